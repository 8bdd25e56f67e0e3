// Whole writes to a descriptor.
#ifndef PLATFORM_WRITE_ALL_H
#define PLATFORM_WRITE_ALL_H

#include <string>

// Writes every byte of data to fd, going on after short writes and
// interruptions; false when a write fails or writes nothing.
bool write_all(int fd, const std::string& data);

#endif
