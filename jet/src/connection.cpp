#include "jet/connection.h"

#include "connection_text.h"
#include "database.h"

namespace jet {

TADOConnection::TADOConnection() = default;
TADOConnection::~TADOConnection() = default;

void TADOConnection::Open()
{
    if (database_)
        return;
    database_ = Database::open(parse_connection_text(ConnectionString));
}

void TADOConnection::Close()
{
    database_.reset();
}

}  // namespace jet
