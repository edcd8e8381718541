// The club's storage engines behind one small interface: run a prepared statement with
// parameters, inside a transaction. SQLite (one file, WAL) and PostgreSQL (shared by several
// server processes) implement it; the club's tables and statements are written once, in
// club_store.cpp, in SQL both accept.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace tarnel::server {

using SqlParam = std::variant<long long, double, std::string>;
using SqlRow = std::vector<std::string>;  // NULL reads as ""

// Any storage failure; the request that met it fails, nothing is acknowledged.
struct StoreError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class SqlSession {
 public:
  virtual ~SqlSession() = default;
  // Prepared once per connection and kept; `sql` numbers its parameters $1, $2, ...
  virtual std::vector<SqlRow> Run(const std::string& sql, const std::vector<SqlParam>& params) = 0;
};

enum class SqlDialect { kSqlite, kPostgres };

class SqlBackend {
 public:
  virtual ~SqlBackend() = default;
  virtual SqlDialect Dialect() const = 0;
  // Runs `work` in one transaction; it is committed (and durable) when this returns. Throws
  // StoreError after rolling back when `work` or the commit fails.
  virtual void Write(const std::function<void(SqlSession&)>& work) = 0;
  // A read of one statement (each is consistent on its own).
  virtual void Read(const std::function<void(SqlSession&)>& work) = 0;
};

struct SqliteOptions {
  std::string Path;
  bool FullSync = true;  // fsync every commit (else WAL's NORMAL: safe against a process crash)
  int Readers = 16;
};
std::unique_ptr<SqlBackend> OpenSqlite(const SqliteOptions& options);

// `conninfo` as libpq reads it; `connections` is the pool size of this process.
std::unique_ptr<SqlBackend> OpenPostgres(const std::string& conninfo, int connections);

}  // namespace tarnel::server
