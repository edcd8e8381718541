// SQLite: one file in WAL mode. Readers take a connection from a small pool and read in
// parallel; all writes go through one connection under a mutex, so they never wait on SQLite's
// busy handler. One server process per file: several processes share PostgreSQL instead.
#include <sqlite3.h>

#include <condition_variable>
#include <map>
#include <mutex>

#include "sql_backend.h"

namespace tarnel::server {
namespace {

class SqliteConnection : public SqlSession {
 public:
  SqliteConnection(const std::string& path, bool fullSync) {
    if (sqlite3_open_v2(path.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
      std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      db_ = nullptr;
      throw StoreError("sqlite open " + path + ": " + message);
    }
    sqlite3_busy_timeout(db_, 5000);
    Exec("PRAGMA journal_mode=WAL");
    Exec(fullSync ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
    Exec("PRAGMA foreign_keys=ON");
  }
  ~SqliteConnection() override {
    for (auto& [sql, stmt] : statements_)
      sqlite3_finalize(stmt);
    sqlite3_close(db_);
  }

  void Exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
      std::string message = error ? error : "?";
      sqlite3_free(error);
      throw StoreError(std::string("sqlite: ") + sql + ": " + message);
    }
  }

  std::vector<SqlRow> Run(const std::string& sql, const std::vector<SqlParam>& params) override {
    sqlite3_stmt*& stmt = statements_[sql];
    if (!stmt && sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt,
                                    nullptr) != SQLITE_OK) {
      statements_.erase(sql);
      throw StoreError("sqlite prepare: " + std::string(sqlite3_errmsg(db_)));
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    for (std::size_t i = 0; i < params.size(); ++i) {
      std::string name = "$" + std::to_string(i + 1);
      int index = sqlite3_bind_parameter_index(stmt, name.c_str());
      if (index == 0) continue;
      const SqlParam& p = params[i];
      if (auto* n = std::get_if<long long>(&p)) {
        sqlite3_bind_int64(stmt, index, *n);
      } else if (auto* d = std::get_if<double>(&p)) {
        sqlite3_bind_double(stmt, index, *d);
      } else {
        const std::string& s = std::get<std::string>(p);
        sqlite3_bind_text(stmt, index, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
      }
    }
    std::vector<SqlRow> rows;
    for (;;) {
      int rc = sqlite3_step(stmt);
      if (rc == SQLITE_DONE) break;
      if (rc != SQLITE_ROW) {
        std::string message = sqlite3_errmsg(db_);
        sqlite3_reset(stmt);
        throw StoreError("sqlite step: " + message);
      }
      SqlRow row;
      int columns = sqlite3_column_count(stmt);
      for (int c = 0; c < columns; ++c) {
        const unsigned char* text = sqlite3_column_text(stmt, c);
        row.emplace_back(text ? reinterpret_cast<const char*>(text) : "",
                         text ? sqlite3_column_bytes(stmt, c) : 0);
      }
      rows.push_back(std::move(row));
    }
    sqlite3_reset(stmt);
    return rows;
  }

 private:
  sqlite3* db_ = nullptr;
  std::map<std::string, sqlite3_stmt*> statements_;
};

class SqliteBackend : public SqlBackend {
 public:
  explicit SqliteBackend(const SqliteOptions& options) : options_(options) {
    writer_ = std::make_unique<SqliteConnection>(options.Path, options.FullSync);
  }
  SqlDialect Dialect() const override { return SqlDialect::kSqlite; }

  void Write(const std::function<void(SqlSession&)>& work) override {
    std::lock_guard lock(writeMutex_);
    writer_->Exec("BEGIN IMMEDIATE");
    try {
      work(*writer_);
      writer_->Exec("COMMIT");
    } catch (...) {
      try {
        writer_->Exec("ROLLBACK");
      } catch (const StoreError&) {
      }
      throw;
    }
  }

  void Read(const std::function<void(SqlSession&)>& work) override {
    std::unique_ptr<SqliteConnection> connection = Take();
    try {
      connection->Exec("BEGIN");
      work(*connection);
      connection->Exec("COMMIT");
    } catch (...) {
      try {
        connection->Exec("ROLLBACK");
      } catch (const StoreError&) {
      }
      Give(std::move(connection));
      throw;
    }
    Give(std::move(connection));
  }

 private:
  std::unique_ptr<SqliteConnection> Take() {
    std::unique_lock lock(poolMutex_);
    poolFree_.wait(lock, [&] { return !idle_.empty() || open_ < options_.Readers; });
    if (!idle_.empty()) {
      auto c = std::move(idle_.back());
      idle_.pop_back();
      return c;
    }
    ++open_;
    lock.unlock();
    try {
      return std::make_unique<SqliteConnection>(options_.Path, options_.FullSync);
    } catch (...) {
      std::lock_guard again(poolMutex_);
      --open_;
      poolFree_.notify_one();
      throw;
    }
  }
  void Give(std::unique_ptr<SqliteConnection> c) {
    std::lock_guard lock(poolMutex_);
    idle_.push_back(std::move(c));
    poolFree_.notify_one();
  }

  SqliteOptions options_;
  std::mutex writeMutex_;
  std::unique_ptr<SqliteConnection> writer_;
  std::mutex poolMutex_;
  std::condition_variable poolFree_;
  std::vector<std::unique_ptr<SqliteConnection>> idle_;
  int open_ = 0;
};

}  // namespace

std::unique_ptr<SqlBackend> OpenSqlite(const SqliteOptions& options) {
  return std::make_unique<SqliteBackend>(options);
}

}  // namespace tarnel::server
