#include "convert/OutputBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace codelume {

TOutputBuffer::TOutputBuffer(size_t capacity) { Reserve(capacity); }

TOutputBuffer::~TOutputBuffer() { std::free(Begin); }

// realloc moves a large block by remapping its pages, without a copy; the
// bytes that are never written are never touched, so they take no memory.
void TOutputBuffer::Reserve(size_t capacity) {
    size_t capacityNow = static_cast<size_t>(Limit - Begin);
    if (capacity <= capacityNow && Begin != nullptr) return;
    size_t size = Size();
    auto* block = static_cast<char*>(std::realloc(Begin, std::max<size_t>(capacity, 1)));
    if (block == nullptr) throw std::bad_alloc();
    Begin = block;
    End = block + size;
    Limit = block + std::max<size_t>(capacity, 1);
}

void TOutputBuffer::Grow(size_t count) {
    size_t capacity = static_cast<size_t>(Limit - Begin);
    Reserve(std::max(capacity * 2, Size() + count));
}

}  // namespace codelume
