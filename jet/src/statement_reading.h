// What one statement reads through: the file, the budget of what it may
// hold, and the pages it keeps for its long values.
#ifndef JET_STATEMENT_READING_H
#define JET_STATEMENT_READING_H

#include <string>
#include <utility>

#include "database_file.h"
#include "statement_budget.h"
#include "statement_pages.h"

namespace jet {

struct StatementReading {
    StatementReading(DatabaseFile& database, std::string table)
        : file(database), budget(database.pages().size(), std::move(table)), pages(database)
    {}

    DatabaseFile& file;
    StatementBudget budget;
    StatementPages pages;
};

}  // namespace jet

#endif
