// Errors raised by the data-access layer, as the class library raises them:
// the caller decides where to catch.
#ifndef JET_ERRORS_H
#define JET_ERRORS_H

#include <stdexcept>
#include <string>

#include <platform/convert_error.h>

namespace jet {

// Any failure of the database itself: a file that cannot be opened, a wrong
// password, a statement the layer does not run, a missing table or column.
class EDatabaseError : public std::runtime_error {
public:
    explicit EDatabaseError(const std::string& message) : std::runtime_error(message) {}
};

// What a query raises without an open connection, for callers that have no
// connection to hand it either.
EDatabaseError no_connection_error();

// A field value that its accessor cannot convert (text "abc" read as an
// integer): the one conversion error of the whole system, so that a handler
// for a date that cannot be converted catches this one as well.
using EConvertError = ::EConvertError;

}  // namespace jet

#endif
