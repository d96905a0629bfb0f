#pragma once
// The clock behind the report's date, passed in so that tests and the
// command line (--dato) give reproducible reports.
namespace kvistor {

struct TTidspunkt {
  int aar = 2000, maaned = 1, dag = 1, time = 0, minut = 0, sekund = 0;
};

class TUr {
 public:
  virtual ~TUr() = default;
  virtual TTidspunkt Nu() const = 0;
};

// The machine's local clock.
class TSystemUr : public TUr {
 public:
  TTidspunkt Nu() const override;
};

// A clock that always shows the same time.
class TFastUr : public TUr {
 public:
  explicit TFastUr(TTidspunkt t) : t_(t) {}
  TTidspunkt Nu() const override { return t_; }
 private:
  TTidspunkt t_;
};

}  // namespace kvistor
