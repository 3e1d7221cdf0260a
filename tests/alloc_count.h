#pragma once
// Linked into a test binary, replaces operator new for the whole process and
// counts every call, so that real-time paths can be shown to allocate nothing.
namespace alloc_count {

long news();

}  // namespace alloc_count
