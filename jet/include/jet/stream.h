// Byte streams for blob columns. A blob stream owns a copy of its bytes, so it
// stays readable after the query that made it has moved on or closed.
#ifndef JET_STREAM_H
#define JET_STREAM_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace jet {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;

    virtual int64_t Size() const = 0;
    int64_t Position() const { return position_; }
    void SetPosition(int64_t position) { Seek(position, soBeginning); }
    // Moves the position, kept within 0..Size(); answers the new position.
    int64_t Seek(int64_t offset, TSeekOrigin origin);
    // Copies up to count bytes from the position on; answers how many it copied.
    virtual int64_t Read(void* buffer, int64_t count) = 0;

protected:
    int64_t position_ = 0;
};

// A stream over bytes held in memory; the picture decoder can take Memory()
// and Size() as one buffer.
class TMemoryStream : public TStream {
public:
    TMemoryStream();
    // A copy of the bytes.
    TMemoryStream(const void* bytes, size_t size);
    // Bytes that nobody changes, shared with whoever else holds them.
    explicit TMemoryStream(std::shared_ptr<const std::string> bytes);

    int64_t Size() const override { return (int64_t)bytes_->size(); }
    int64_t Read(void* buffer, int64_t count) override;
    const unsigned char* Memory() const { return (const unsigned char*)bytes_->data(); }

private:
    std::shared_ptr<const std::string> bytes_;
};

}  // namespace jet

#endif
