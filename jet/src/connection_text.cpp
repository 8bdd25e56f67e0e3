#include "connection_text.h"

#include "blanks.h"
#include "error_texts.h"
#include "platform/charset.h"

namespace jet {

ConnectionSettings parse_connection_text(const std::string& text)
{
    ConnectionSettings settings;
    size_t i = 0;
    while (i < text.size()) {
        size_t eq = text.find('=', i);
        size_t semi = text.find(';', i);
        if (eq == std::string::npos || (semi != std::string::npos && semi < eq)) {
            std::string rest = trimmed(text.substr(i, semi == std::string::npos ? std::string::npos : semi - i));
            if (!rest.empty())
                throw connection_pair_without_value(rest);
            i = semi == std::string::npos ? text.size() : semi + 1;
            continue;
        }
        std::string key = trimmed(text.substr(i, eq - i));
        size_t v = eq + 1;
        while (v < text.size() && is_blank(text[v]))
            ++v;
        std::string value;
        if (v < text.size() && (text[v] == '"' || text[v] == '\'')) {
            char quote = text[v++];
            for (;;) {
                if (v >= text.size())
                    throw connection_quote_not_closed(key);
                if (text[v] == quote) {
                    if (v + 1 < text.size() && text[v + 1] == quote) {
                        value.push_back(quote);
                        v += 2;
                        continue;
                    }
                    ++v;
                    break;
                }
                value.push_back(text[v++]);
            }
            size_t end = text.find(';', v);
            if (!trimmed(text.substr(v, end == std::string::npos ? std::string::npos : end - v)).empty())
                throw connection_text_after_quote(key);
            i = end == std::string::npos ? text.size() : end + 1;
        } else {
            size_t end = text.find(';', v);
            value = trimmed(text.substr(v, end == std::string::npos ? std::string::npos : end - v));
            i = end == std::string::npos ? text.size() : end + 1;
        }

        if (same_sjis_name(key, "Provider"))
            settings.provider = value;
        else if (same_sjis_name(key, "Data Source"))
            settings.data_source = value;
        else if (same_sjis_name(key, "User ID"))
            settings.user_id = value;
        else if (same_sjis_name(key, "Password"))
            settings.user_password = value;
        else if (same_sjis_name(key, "Jet OLEDB:Database Password"))
            settings.database_password = value;
    }
    return settings;
}

}  // namespace jet
