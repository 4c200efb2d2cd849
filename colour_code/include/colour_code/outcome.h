// A result that is a value or a fault, never both and never neither.
#pragma once

#include <type_traits>

namespace colour_code {

template <typename Value, typename Fault>
class Outcome {
  static_assert(std::is_trivially_copyable_v<Value> && std::is_trivially_copyable_v<Fault>);

 public:
  constexpr Outcome(const Value& value) : ok_(true), value_(value) {}   // NOLINT
  constexpr Outcome(const Fault& fault) : ok_(false), fault_(fault) {}  // NOLINT

  constexpr bool Ok() const { return ok_; }
  constexpr explicit operator bool() const { return ok_; }
  // Only when Ok().
  constexpr const Value& Get() const { return value_; }
  constexpr const Value* operator->() const { return &value_; }
  constexpr const Value& operator*() const { return value_; }
  // Only when not Ok().
  constexpr const Fault& Error() const { return fault_; }

 private:
  bool ok_;
  union {
    Value value_;
    Fault fault_;
  };
};

}  // namespace colour_code
