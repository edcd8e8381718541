// PostgreSQL through libpq: a pool of connections per server process; any number of processes
// share the database. Statements are prepared once per connection under a name of their own.
#include <libpq-fe.h>

#include <condition_variable>
#include <map>
#include <mutex>

#include "sql_backend.h"

namespace tarnel::server {
namespace {

class PgConnection : public SqlSession {
 public:
  explicit PgConnection(const std::string& conninfo) : conn_(PQconnectdb(conninfo.c_str())) {
    if (PQstatus(conn_) != CONNECTION_OK) {
      std::string message = PQerrorMessage(conn_);
      PQfinish(conn_);
      throw StoreError("postgresql connect: " + message);
    }
    Exec("SET client_min_messages = warning");
  }
  ~PgConnection() override { PQfinish(conn_); }

  bool Broken() const { return PQstatus(conn_) != CONNECTION_OK; }

  void Exec(const char* sql) {
    PGresult* result = PQexec(conn_, sql);
    ExecStatusType status = PQresultStatus(result);
    std::string message = PQresultErrorMessage(result);
    PQclear(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
      throw StoreError("postgresql: " + message);
  }

  std::vector<SqlRow> Run(const std::string& sql, const std::vector<SqlParam>& params) override {
    auto found = statements_.find(sql);
    if (found == statements_.end()) {
      std::string name = "s" + std::to_string(statements_.size());
      PGresult* prepared = PQprepare(conn_, name.c_str(), sql.c_str(), 0, nullptr);
      bool ok = PQresultStatus(prepared) == PGRES_COMMAND_OK;
      std::string message = PQresultErrorMessage(prepared);
      PQclear(prepared);
      if (!ok) throw StoreError("postgresql prepare: " + message);
      found = statements_.emplace(sql, name).first;
    }
    std::vector<std::string> texts;
    texts.reserve(params.size());
    for (const SqlParam& p : params) {
      if (auto* n = std::get_if<long long>(&p)) {
        texts.push_back(std::to_string(*n));
      } else if (auto* d = std::get_if<double>(&p)) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", *d);
        texts.emplace_back(buffer);
      } else {
        texts.push_back(std::get<std::string>(p));
      }
    }
    std::vector<const char*> values;
    std::vector<int> lengths, formats;
    for (const std::string& t : texts) {
      values.push_back(t.c_str());
      lengths.push_back(static_cast<int>(t.size()));
      formats.push_back(0);
    }
    PGresult* result = PQexecPrepared(conn_, found->second.c_str(), static_cast<int>(values.size()),
                                      values.data(), lengths.data(), formats.data(), 0);
    ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
      std::string message = PQresultErrorMessage(result);
      PQclear(result);
      throw StoreError("postgresql: " + message);
    }
    std::vector<SqlRow> rows;
    int n = PQntuples(result), columns = PQnfields(result);
    for (int r = 0; r < n; ++r) {
      SqlRow row;
      for (int c = 0; c < columns; ++c)
        row.emplace_back(PQgetvalue(result, r, c), PQgetlength(result, r, c));
      rows.push_back(std::move(row));
    }
    PQclear(result);
    return rows;
  }

 private:
  PGconn* conn_;
  std::map<std::string, std::string> statements_;
};

class PgBackend : public SqlBackend {
 public:
  PgBackend(std::string conninfo, int connections)
      : conninfo_(std::move(conninfo)), limit_(connections < 1 ? 1 : connections) {
    Give(std::make_unique<PgConnection>(conninfo_));  // fails early on a wrong conninfo
  }
  SqlDialect Dialect() const override { return SqlDialect::kPostgres; }

  void Write(const std::function<void(SqlSession&)>& work) override { Transaction(work); }
  // Every read is one statement, consistent on its own: no transaction round trips.
  void Read(const std::function<void(SqlSession&)>& work) override {
    std::unique_ptr<PgConnection> c = Take();
    try {
      work(*c);
    } catch (...) {
      Give(std::move(c));
      throw;
    }
    Give(std::move(c));
  }

 private:
  void Transaction(const std::function<void(SqlSession&)>& work) {
    std::unique_ptr<PgConnection> c = Take();
    try {
      c->Exec("BEGIN");
      work(*c);
      c->Exec("COMMIT");
    } catch (...) {
      try {
        c->Exec("ROLLBACK");
      } catch (const StoreError&) {
      }
      Give(std::move(c));
      throw;
    }
    Give(std::move(c));
  }

  std::unique_ptr<PgConnection> Take() {
    std::unique_lock lock(mutex_);
    free_.wait(lock, [&] { return !idle_.empty() || open_ < limit_; });
    if (!idle_.empty()) {
      auto c = std::move(idle_.back());
      idle_.pop_back();
      return c;
    }
    ++open_;
    lock.unlock();
    try {
      return std::make_unique<PgConnection>(conninfo_);
    } catch (...) {
      std::lock_guard again(mutex_);
      --open_;
      free_.notify_one();
      throw;
    }
  }
  void Give(std::unique_ptr<PgConnection> c) {
    std::lock_guard lock(mutex_);
    if (c->Broken()) {  // a lost connection is dropped; the next request opens a fresh one
      --open_;
    } else {
      idle_.push_back(std::move(c));
    }
    free_.notify_one();
  }

  std::string conninfo_;
  int limit_;
  std::mutex mutex_;
  std::condition_variable free_;
  std::vector<std::unique_ptr<PgConnection>> idle_;
  int open_ = 1;
};

}  // namespace

std::unique_ptr<SqlBackend> OpenPostgres(const std::string& conninfo, int connections) {
  return std::make_unique<PgBackend>(conninfo, connections);
}

}  // namespace tarnel::server
