// FuzzInput: hands out the fuzzer's bytes, front to back, as the values a target
// needs. Past the end every value reads as 0, so every input is usable; Bytes()
// repeats what is left to fill a frame, so short inputs still give varied pixels.
// Borrows the data for its own lifetime.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }

    int32_t Int32()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = value << 8 | Byte();
        int32_t result;
        std::memcpy(&result, &value, sizeof result);
        return result;
    }

    // A value from low to high (at most 256 apart), from one byte.
    int InRange(int low, int high) { return low + Byte() % (high - low + 1); }

    std::vector<unsigned char> Bytes(size_t count)
    {
        std::vector<unsigned char> bytes(count, 0);
        const size_t left = size_ - position_;
        for (size_t i = 0; i < count && left > 0; ++i) bytes[i] = data_[position_ + i % left];
        position_ = size_;
        return bytes;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};
