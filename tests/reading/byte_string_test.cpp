#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

#include "byte_string.h"
#include "number_text.h"
#include "readings.h"
#include "text_storage_probe.h"

namespace {

constexpr ByteLiteral kAbc("abc");
constexpr ByteLiteral kXyz("xyz");
constexpr ByteLiteral kLonger("longer");
constexpr ByteLiteral kEmpty("");

std::uint32_t CountBefore(const char* bytes) {
  std::uint32_t count;
  std::memcpy(&count, bytes - 4, 4);
  return count;
}

TEST(ByteStringLayout, CountStandsBeforeTheBytesAndAZeroAfterThem) {
  const ByteString text(kLonger);
  ASSERT_NE(text.data(), nullptr);
  EXPECT_EQ(CountBefore(text.data()), 6u);
  EXPECT_EQ(std::memcmp(text.data(), "longer", 6), 0);
  EXPECT_EQ(text.data()[6], '\0');

  // Literals have the same layout and are read in place.
  EXPECT_EQ(CountBefore(ByteView(kAbc).data()), 3u);
  EXPECT_EQ(ByteView(kAbc).data(), kAbc.bytes);
}

TEST(ByteStringLayout, TextLiteralsAreStoredOnceAndReadInPlace) {
  constexpr ByteView first = "First band"_text;
  EXPECT_EQ(first.view(), "First band");
  EXPECT_EQ(CountBefore(first.data()), 10u);
  EXPECT_EQ(first.data()[10], '\0');
  EXPECT_EQ(first.data(), ("First band"_text).data());
  EXPECT_EQ((""_text).data(), nullptr);
}

// A view of a literal that stays in place is fine; one of a temporary
// literal would dangle after the statement and does not compile. An owned
// text still gives a view, so that temporaries can be passed and joined.
static_assert(std::is_convertible_v<const ByteLiteral<4>&, ByteView>);
static_assert(!std::is_constructible_v<ByteView, ByteLiteral<4>>);
static_assert(!std::is_convertible_v<ByteLiteral<4>, ByteView>);
static_assert(std::is_convertible_v<ByteString, ByteView>);

TEST(ByteStringLayout, TemporariesJoinedAndPassedStayValidForTheCall) {
  TextStorageProbe probe;
  const ByteString joined = ConcatText(ConcatText(NumberText(4, 15), kAbc), NumberText(7, 15));
  EXPECT_EQ(joined.view(), "4abc7");
}

TEST(ByteStringLayout, EmptyTextIsTheNullHandle) {
  EXPECT_EQ(ByteString().data(), nullptr);
  EXPECT_EQ(ByteView(kEmpty).data(), nullptr);
  EXPECT_STREQ(ByteView().c_str(), "");
  TextStorageProbe probe;
  const ByteString copy(kEmpty);
  EXPECT_EQ(copy.data(), nullptr);
  EXPECT_EQ(probe.allocations(), 0);
}

TEST(ByteStringOwnership, CopiesGetStorageOfTheirOwn) {
  TextStorageProbe probe;
  {
    const ByteString original(kAbc);
    EXPECT_NE(original.data(), ByteView(kAbc).data()) << "a literal is copied into a variable";
    const ByteString copy(original);
    EXPECT_NE(copy.data(), original.data());
    EXPECT_EQ(copy.view(), "abc");
    EXPECT_EQ(probe.allocations(), 2);
  }
  EXPECT_EQ(probe.releases(), 2);
}

TEST(ByteStringOwnership, StoringTheSameLengthReusesTheStorage) {
  TextStorageProbe probe;
  ByteString variable(kAbc);
  const char* storage = variable.data();
  const ByteString other(kXyz);
  variable = other;
  EXPECT_EQ(variable.data(), storage);
  EXPECT_EQ(variable.view(), "xyz");
  variable = kAbc;
  EXPECT_EQ(variable.data(), storage);
  EXPECT_EQ(variable.view(), "abc");
  EXPECT_EQ(probe.allocations(), 2);
  EXPECT_EQ(probe.releases(), 0);

  variable = kLonger;  // another length: new storage replaces the old
  EXPECT_EQ(variable.view(), "longer");
  EXPECT_EQ(probe.allocations(), 3);
  EXPECT_EQ(probe.releases(), 1);
  variable = kEmpty;
  EXPECT_TRUE(variable.empty());
  EXPECT_EQ(probe.releases(), 2);
}

TEST(ByteStringOwnership, TemporariesMoveAndReleaseTheOldText) {
  TextStorageProbe probe;
  ByteString variable(kAbc);
  ByteString temporary = ConcatText(kXyz, kAbc);
  const char* moved = temporary.data();
  variable = std::move(temporary);
  EXPECT_EQ(variable.data(), moved);
  EXPECT_EQ(variable.view(), "xyzabc");
  EXPECT_EQ(probe.allocations(), 2);
  EXPECT_EQ(probe.releases(), 1) << "the variable's old text";
}

TEST(ConcatText, JoinsInOneAllocationOfTheSummedLength) {
  TextStorageProbe probe;
  const ByteString joined = ConcatText(kAbc, kLonger);
  EXPECT_EQ(joined.view(), "abclonger");
  EXPECT_EQ(CountBefore(joined.data()), 9u);
  EXPECT_EQ(probe.allocations(), 1);
}

TEST(ConcatText, EmptyOperands) {
  TextStorageProbe probe;
  EXPECT_TRUE(ConcatText(kEmpty, ByteView()).empty());
  EXPECT_EQ(probe.allocations(), 0);

  const ByteString left = ConcatText(kAbc, kEmpty);
  const ByteString right = ConcatText(ByteView(), kAbc);
  EXPECT_EQ(left.view(), "abc");
  EXPECT_EQ(right.view(), "abc");
  EXPECT_NE(left.data(), ByteView(kAbc).data()) << "a new copy, not the operand";
}

TEST(ConcatText, ATemporaryOperandIsReleasedByTheJoin) {
  TextStorageProbe probe;
  {
    const ByteString joined = ConcatText(ConcatText(kAbc, kXyz), kAbc);
    EXPECT_EQ(joined.view(), "abcxyzabc");
    EXPECT_EQ(probe.releases(), 1);
  }
  EXPECT_EQ(probe.releases(), 2);
}

// A total above 4 GiB has no 32-bit count: the join fails like a join without
// storage, before it reads a byte. A text that claims 0xFFFFFFFF bytes has
// one byte of its own here.
TEST(ConcatText, TotalAboveFourGibibytesIsRefused) {
  TextStorageProbe probe;
  alignas(std::uint32_t) const unsigned char fake[] = {0xFF, 0xFF, 0xFF, 0xFF, 'a', 0};
  const ByteView huge(reinterpret_cast<const char*>(fake + 4));
  ASSERT_EQ(huge.size(), 0xFFFFFFFFu);

  EXPECT_TRUE(ConcatText(huge, kAbc).empty());
  EXPECT_EQ(TextErrorCode(), OutOfMemoryError);
  ClearTextError();
  EXPECT_TRUE(ConcatText(kAbc, huge).empty());
  EXPECT_EQ(TextErrorCode(), OutOfMemoryError);
  ClearTextError();
  EXPECT_TRUE(ConcatText(huge, huge).empty());
  EXPECT_EQ(TextErrorCode(), OutOfMemoryError);
  EXPECT_EQ(probe.allocations(), 0);
}

// Without storage the text is empty, error 7 is recorded, and work goes on.
TEST(TextWithoutStorage, GivesTheEmptyTextAndRecordsOutOfMemory) {
  TextStorageProbe probe;
  probe.FailAllocations(true);
  EXPECT_EQ(TextErrorCode(), 0);

  EXPECT_TRUE(ConcatText(kAbc, kXyz).empty());
  EXPECT_EQ(TextErrorCode(), OutOfMemoryError);

  ClearTextError();
  EXPECT_TRUE(NumberText(4.7L, 15).empty());
  EXPECT_EQ(TextErrorCode(), OutOfMemoryError);

  ClearTextError();
  ByteString variable;
  variable = kAbc;
  EXPECT_TRUE(variable.empty());
  EXPECT_EQ(TextErrorCode(), OutOfMemoryError);

  ClearTextError();
  EXPECT_TRUE(FiveBandResultText({1, 0, 0, 1, BandColour::Red}).empty());
  EXPECT_EQ(TextErrorCode(), OutOfMemoryError);

  probe.FailAllocations(false);
  EXPECT_EQ(ConcatText(kAbc, kXyz).view(), "abcxyz");
}

// A probe made inside another counts and fails on its own; the outer one
// sees everything that reaches the storage.
TEST(TextWithoutStorage, ProbesNest) {
  TextStorageProbe outer;
  const ByteString first = ConcatText(kAbc, kXyz);
  {
    TextStorageProbe inner;
    const ByteString second = ConcatText(kAbc, kXyz);
    inner.FailAllocations(true);
    EXPECT_TRUE(ConcatText(kAbc, kXyz).empty());
    EXPECT_EQ(inner.allocations(), 1);
  }
  EXPECT_EQ(outer.allocations(), 2);
  EXPECT_EQ(outer.releases(), 1);
  EXPECT_EQ(ConcatText(kAbc, kXyz).view(), "abcxyz");
}

}  // namespace
