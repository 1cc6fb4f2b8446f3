#pragma once

#include "foundation/jbyteStream.h"

// Base64 with the standard alphabet (A-Z, a-z, 0-9, '+', '/') and '='
// padding, as image data is kept in station files.
class jbase64Encoder : public jbyteFilter {
public:
    // With lineBreaks a line feed follows every 72 characters and the last
    // line; without, the caller cuts the text into lines itself.
    explicit jbase64Encoder(std::unique_ptr<jbyteStream> target = nullptr, bool lineBreaks = false);

    void write(const void* bytes, size_t count) override;
    void put(uint8_t byte) override;
    // Encodes the 1 or 2 bytes still pending with padding and ends the line.
    void flush() override;

private:
    // Encodes whole groups of three into out; returns the characters written.
    size_t encodeGroups(const uint8_t* bytes, size_t groups, uint8_t* out);
    size_t endGroup(uint8_t* out);

    bool lineBreaks_;
    uint8_t pending_[3] = {0, 0, 0};
    int pendingCount_ = 0;
    int lineLength_ = 0;
};

// Reads base64 text; every character outside the alphabet, the padding and
// line ends included, is skipped.
class jbase64Decoder : public jbyteFilter {
public:
    explicit jbase64Decoder(std::unique_ptr<jbyteStream> target = nullptr);

    void write(const void* bytes, size_t count) override;
    void put(uint8_t byte) override;
    // Decodes the values still pending: 2 give 1 byte, 3 give 2, and a lone
    // value gives 1 byte made from it alone.
    void flush() override;

private:
    uint8_t pending_[4] = {0, 0, 0, 0};
    int pendingCount_ = 0;
};
