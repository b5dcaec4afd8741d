#pragma once
// The hourglass while a long operation runs; restored when the object goes out of scope.
namespace platform {

class Hourglass {
public:
    Hourglass();
    ~Hourglass();
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

}  // namespace platform
