#include "jet/query.h"

#include "database.h"
#include "jet/connection.h"
#include "error_texts.h"
#include "platform/charset.h"
#include "result_set.h"
#include "statement.h"

namespace jet {

std::string TStringList::Text() const
{
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i)
            text += '\n';
        text += lines_[i];
    }
    return text;
}

TADOQuery::TADOQuery() = default;
TADOQuery::~TADOQuery() = default;

void TADOQuery::Open()
{
    Close();
    if (!Connection || !Connection->database_)
        throw no_connection_error();
    result_ = Connection->database_->select(parse_statement(SQL.Text()));
    for (size_t i = 0; i < result_->columns.size(); ++i)
        fields_.emplace_back(new TField(this, (int)i));
    position_ = 0;
}

void TADOQuery::Close()
{
    fields_.clear();
    result_.reset();
    position_ = 0;
}

void TADOQuery::require_open() const
{
    if (!result_)
        throw query_closed();
}

void TADOQuery::First()
{
    require_open();
    position_ = 0;
}

void TADOQuery::Next()
{
    require_open();
    if (position_ < result_->row_count())
        ++position_;
}

bool TADOQuery::Eof() const
{
    return !result_ || position_ >= result_->row_count();
}

int TADOQuery::RecordCount() const
{
    require_open();
    return (int)result_->row_count();
}

TField* TADOQuery::FieldByName(const std::string& name)
{
    require_open();
    for (auto& field : fields_)
        if (same_sjis_name(field->FieldName(), name))
            return field.get();
    throw field_not_found(name);
}

const Value& TADOQuery::current(int column) const
{
    static const Value null_value;
    if (!result_ || position_ >= result_->row_count())
        return null_value;
    return result_->cell(position_, (size_t)column);
}

TStream* TADOQuery::CreateBlobStream(TField* field, TBlobStreamMode mode)
{
    require_open();
    if (mode != bmRead)
        throw blob_stream_read_only();
    if (!field || field->query_ != this)
        throw field_of_another_query();
    const Value& v = current(field->column_);
    if (v.kind == Value::Blob)
        return new TMemoryStream(v.blob);
    if (v.kind != Value::Null && v.kind != Value::Text)
        throw field_not_a_blob(field->FieldName());
    return new TMemoryStream(v.bytes.data(), v.bytes.size());
}

}  // namespace jet
