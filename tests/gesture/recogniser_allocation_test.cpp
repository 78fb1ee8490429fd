// The recogniser runs on every released stroke; once its buffers have grown
// to the longest stroke seen it must not allocate. Every allocation of this
// test program goes through the replacements below, which count while asked to.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

#include "toolkit/gesture/gesture_recognizer.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* allocate(std::size_t size) {
  if (counting) {
    ++allocations;
  }
  if (void* memory = std::malloc(size == 0 ? 1 : size)) {
    return memory;
  }
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace gesture {
namespace {

// Counts the allocations made while it lives.
class AllocationCount {
 public:
  AllocationCount() {
    allocations = 0;
    counting = true;
  }
  ~AllocationCount() { counting = false; }
  long made() const { return allocations; }
};

std::vector<Point> wave(int pointCount, double length, double height) {
  std::vector<Point> stroke;
  for (int i = 0; i < pointCount; ++i) {
    const double along = static_cast<double>(i) / pointCount;
    stroke.push_back({std::round(600 - length * along),
                      std::round(240 + height * std::sin(along * 9))});
  }
  return stroke;
}

TEST(RecogniserAllocation, NoneOnceTheBuffersHaveGrown) {
  const GestureRecognizer recognizer;
  const std::vector<std::vector<Point>> strokes{
      wave(600, 500, 4), wave(200, 300, 3), wave(600, -500, 4), wave(50, 40, 60), wave(2, 10, 0)};
  EXPECT_EQ(recognizer.recognise(strokes[0]), sgiLeft);
  EXPECT_EQ(recognizer.recognise(strokes[2]), sgiRight);
  for (const std::vector<Point>& stroke : strokes) {
    recognizer.recognise(stroke);
  }

  AllocationCount count;
  for (auto stroke = strokes.rbegin(); stroke != strokes.rend(); ++stroke) {
    recognizer.recognise(*stroke);
  }
  EXPECT_EQ(count.made(), 0);
}

TEST(RecogniserAllocation, TheCountSeesAllocations) {
  AllocationCount count;
  const std::vector<Point> copy = wave(10, 10, 0);
  EXPECT_GT(count.made(), 0);
}

}  // namespace
}  // namespace gesture
