// An open Jet file read through libmdb.
#ifndef JET_DATABASE_H
#define JET_DATABASE_H

#include <memory>
#include <string>

#include "connection_text.h"
#include "result_set.h"
#include "statement.h"

namespace jet {

class Database {
public:
    // Opens the file for reading after checking provider, user and database
    // password; raises EDatabaseError naming what failed.
    static std::unique_ptr<Database> open(const ConnectionSettings& settings);
    ~Database();

    // Runs the statement; raises EDatabaseError for a missing table or column
    // or a comparison the column's type does not allow.
    std::unique_ptr<ResultSet> select(const Statement& statement);

private:
    struct Handle;
    explicit Database(std::unique_ptr<Handle> handle);
    std::unique_ptr<Handle> handle_;
};

}  // namespace jet

#endif
