#include "foundation/jbyteStream.h"

#include "foundation/jbyteQueue.h"

#include <algorithm>
#include <string.h>

namespace {

constexpr size_t transferBlock = 256;

// A transfer block that is wiped when it goes out of use.
struct transferBuffer {
    uint8_t bytes[transferBlock];
    ~transferBuffer() { wipeBytes(bytes, sizeof bytes); }
};

} // namespace

void wipeBytes(void* bytes, size_t count) noexcept { explicit_bzero(bytes, count); }

size_t jbyteStream::copyTo(jbyteStream& target, size_t count)
{
    transferBuffer block;
    size_t moved = 0;
    while (moved < count) {
        size_t n = read(block.bytes, std::min(transferBlock, count - moved));
        if (n == 0)
            break;
        target.write(block.bytes, n);
        moved += n;
    }
    return moved;
}

size_t jbyteStream::copyAllTo(jbyteStream& target)
{
    transferBuffer block;
    size_t moved = 0;
    for (size_t n = read(block.bytes, transferBlock); n > 0; n = read(block.bytes, transferBlock)) {
        target.write(block.bytes, n);
        moved += n;
    }
    return moved;
}

void jbyteStream::attach(std::unique_ptr<jbyteStream>) {}

void jbyteStream::attachLast(std::unique_ptr<jbyteStream>) {}

jbyteFilter::jbyteFilter(std::unique_ptr<jbyteStream> target)
    : target_(target ? std::move(target) : std::make_unique<jbyteQueue>(256))
{
}

void jbyteFilter::attach(std::unique_ptr<jbyteStream> target)
{
    target_->finish();
    if (!target)
        target = std::make_unique<jbyteQueue>(256);
    target_->copyAllTo(*target);
    target_ = std::move(target);
}

void jbyteFilter::attachLast(std::unique_ptr<jbyteStream> target)
{
    if (!target_->isFilter()) {
        attach(std::move(target));
        return;
    }
    target_->attachLast(std::move(target));
}

void jbyteFilter::finish()
{
    flush();
    target_->finish();
}
