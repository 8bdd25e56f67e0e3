// The header page against bytes published from a file that Access 2000 wrote:
// an empty database, then the same file after setting the password
// "1234567890123" (creation day 37688, 2003-03-07). Offsets 0x42 to 0x5F.
#include <gtest/gtest.h>

#include <string>

#include "jetwriter/jetwriter.h"
#include "testsupport/mdb_cli.h"

namespace {

std::string header_bytes(const std::string& password)
{
    jetwriter::Database db;
    db.password = password;
    db.created = 37688.4;
    db.add_table("T", {{"ID", jetwriter::ColumnType::Long}});
    const std::string path = mdb_cli::test_file(".mdb");
    jetwriter::write_database(db, path);
    return mdb_cli::hex(mdb_cli::file_contents(path).substr(0x42, 30));
}

TEST(HeaderPage, PasswordBytesAsAccessWritesThem)
{
    EXPECT_EQ(header_bytes(""), "BE68EC3765D79CFAFECD28E62B258A606C077B36CDE1DFB14F671343F73C");
    EXPECT_EQ(header_bytes("1234567890123"), "8F68DE3756D7A8FACBCD1EE61C25B26055074B36FCE1EDB17C671343F73C");
}

}  // namespace
