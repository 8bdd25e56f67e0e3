// Product databases for the tests: every table the program reads, with the
// columns it reads (texts as Text(255) so that tests can store overlong
// ones), written by our Jet writer with the program's database password.
#ifndef PARVELL_TESTS_PRODUCT_DB_H
#define PARVELL_TESTS_PRODUCT_DB_H

#include <initializer_list>
#include <string>
#include <utility>

#include <jetwriter/jetwriter.h>

class ProductDb {
public:
    ProductDb();

    using Cell = std::pair<const char*, jetwriter::Value>;
    // Appends a row to table; columns not named are null.
    void add(const char* table, std::initializer_list<Cell> cells);
    void drop_table(const char* table);
    void drop_column(const char* table, const char* column);
    void set_column_type(const char* table, const char* column, jetwriter::ColumnType type);
    void write(const std::string& path, const std::string& password = "q7154mvk--tpa");

private:
    jetwriter::Table& table(const char* name);
    jetwriter::Database db_;
};

#endif
