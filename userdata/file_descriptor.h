#pragma once

#include <unistd.h>

// An open file, closed when it goes.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0) close(fd_);
    }
    int Get() const { return fd_; }
    // Closes it now; the close's own result (-1 with errno where it failed).
    int Close()
    {
        const int result = close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};
