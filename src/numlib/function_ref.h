// A non-owning reference to a callable, the way the solvers and the quadrature take their caller's
// function: a plain function, a function pointer or a lambda (whose captures carry the objective's
// parameters). It holds no state of its own and allocates nothing, so a solve started inside another
// solve's objective shares nothing with it. The referenced callable must outlive the call it is
// passed to, which is always the case for an argument.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace qv {

template <class Signature>
class FunctionRef;

template <class R, class... Args>
class FunctionRef<R(Args...)> {
 public:
  template <class F,
            class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, FunctionRef> &&
                                     std::is_invocable_r_v<R, F&, Args...>>>
  FunctionRef(F&& f) noexcept {  // NOLINT: implicit by design, like a function pointer
    using D = std::remove_reference_t<F>;
    if constexpr (std::is_function_v<D>) {
      target_.fn = reinterpret_cast<void (*)()>(&f);
      call_ = [](Target t, Args... a) -> R {
        return static_cast<R>(reinterpret_cast<D*>(t.fn)(std::forward<Args>(a)...));
      };
    } else if constexpr (std::is_pointer_v<std::decay_t<F>> &&
                         std::is_function_v<std::remove_pointer_t<std::decay_t<F>>>) {
      using P = std::decay_t<F>;
      target_.fn = reinterpret_cast<void (*)()>(f);
      call_ = [](Target t, Args... a) -> R {
        return static_cast<R>(reinterpret_cast<P>(t.fn)(std::forward<Args>(a)...));
      };
    } else {
      target_.obj = const_cast<void*>(static_cast<const void*>(std::addressof(f)));
      call_ = [](Target t, Args... a) -> R {
        return static_cast<R>((*static_cast<D*>(t.obj))(std::forward<Args>(a)...));
      };
    }
  }

  R operator()(Args... a) const { return call_(target_, std::forward<Args>(a)...); }

 private:
  union Target {
    void* obj;
    void (*fn)();
  };
  Target target_;
  R (*call_)(Target, Args...);
};

// The objective of the root finders and the integrand of the quadrature: one 4-byte argument handed
// by reference (always a private copy of the caller's abscissa, so the function may alter it).
using RealFunction = FunctionRef<float(float&)>;
// The same with an 8-byte result, rounded to 4 bytes by the solver on receipt.
using RealFunctionD = FunctionRef<double(float&)>;

}  // namespace qv
