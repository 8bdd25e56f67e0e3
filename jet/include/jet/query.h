// One SELECT statement over a connection, run on a client-side copy of its
// result: the exact row count, first/next, fields by name.
//
// Statements: SELECT * FROM table [WHERE column=integer]
//             [ORDER BY column [ASC|DESC]]
// Keywords in any case, blanks anywhere between words. Without ORDER BY the
// rows come in the file's stored order; with it the sort is stable.
#ifndef JET_QUERY_H
#define JET_QUERY_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "jet/stream.h"

namespace jet {

class TADOConnection;
class TADOQuery;
struct ResultSet;
struct Value;

// The statement text, line by line.
class TStringList {
public:
    void Clear() { lines_.clear(); }
    void Add(const std::string& line) { lines_.push_back(line); }
    int Count() const { return (int)lines_.size(); }
    // The lines joined by line breaks, as the statement that runs.
    std::string Text() const;

private:
    std::vector<std::string> lines_;
};

// One column of the open result; its value is that of the current row.
// Nulls read as 0, empty text and 0.0; texts come out as Shift-JIS.
class TField {
public:
    const std::string& FieldName() const;
    bool IsNull() const;
    int32_t AsInteger() const;  // raises EConvertError when not convertible
    std::string AsString() const;
    double AsFloat() const;  // raises EConvertError when not convertible

private:
    friend class TADOQuery;
    TField(const TADOQuery* query, int column) : query_(query), column_(column) {}
    const TADOQuery* query_;
    int column_;
};

enum TBlobStreamMode { bmRead, bmWrite, bmReadWrite };

class TADOQuery {
public:
    TADOQuery();
    ~TADOQuery();
    TADOQuery(const TADOQuery&) = delete;
    TADOQuery& operator=(const TADOQuery&) = delete;

    TADOConnection* Connection = nullptr;
    TStringList SQL;

    // Runs the statement and copies its whole result; an open result is
    // closed first. Raises EDatabaseError for any other statement, a missing
    // table or column, or a closed connection.
    void Open();
    void Close();
    bool Active() const { return result_ != nullptr; }

    void First();
    void Next();
    bool Eof() const;
    int RecordCount() const;

    // Raises EDatabaseError when the result has no such column.
    TField* FieldByName(const std::string& name);
    // A new stream that the caller owns, holding a copy of the blob's bytes;
    // read mode only.
    TStream* CreateBlobStream(TField* field, TBlobStreamMode mode);

private:
    friend class TField;
    const Value& current(int column) const;
    void require_open() const;

    std::unique_ptr<ResultSet> result_;
    std::vector<std::unique_ptr<TField>> fields_;
    size_t position_ = 0;
};

}  // namespace jet

#endif
