// The parts of an OLE DB connection text that the Jet provider reads.
#ifndef JET_CONNECTION_TEXT_H
#define JET_CONNECTION_TEXT_H

#include <string>

namespace jet {

struct ConnectionSettings {
    std::string provider;
    std::string data_source;
    std::string user_id = "Admin";
    std::string user_password;
    std::string database_password;
};

// "key=value" pairs separated by ';'; keys in any case, blanks around keys
// and values dropped; a value may be quoted with " or ' (doubling the quote
// inside). Keys the provider does not know are passed over. Raises
// EDatabaseError for a pair without '=' or an unclosed quote.
ConnectionSettings parse_connection_text(const std::string& text);

}  // namespace jet

#endif
