#pragma once
// The reference counting every object of the drawing layer shares: created
// with one reference, deleted when the last one is released.

#include <cstdint>

namespace quarrow::d3d {

class RefCounted {
public:
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    uint32_t AddRef() { return ++references; }
    uint32_t Release() {
        const uint32_t left = --references;
        if (left == 0) delete this;
        return left;
    }

protected:
    RefCounted() = default;
    virtual ~RefCounted() = default;

private:
    uint32_t references = 1;
};

}  // namespace quarrow::d3d
