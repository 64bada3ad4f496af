/* A configuration record that releases itself, and moving a record's content
 * from one record into another. */
#ifndef KCG_MODEL_SCOPED_CONFIG_H
#define KCG_MODEL_SCOPED_CONFIG_H

#include "tl_api.h"

namespace model {

// Initialised on construction, released with TlFreeConfig on destruction: for
// the temporary records of one operation, released on every path.
class ScopedConfig {
  public:
    ScopedConfig() { TlInitConfig(&cfg_); }
    ~ScopedConfig() { TlFreeConfig(&cfg_); }
    ScopedConfig(const ScopedConfig &) = delete;
    ScopedConfig &operator=(const ScopedConfig &) = delete;

    TlConfig &get() { return cfg_; }
    const TlConfig &get() const { return cfg_; }
    TlConfig *operator->() { return &cfg_; }
    const TlConfig *operator->() const { return &cfg_; }

  private:
    TlConfig cfg_;
};

// Releases to, then hands everything from owns to to (its heap parts included)
// and leaves from initialised and owning nothing. The record's derived
// pointers (current axis map and sensitivity set) point into the record
// itself, so a plain copy would leave them pointing into from; they are moved
// along. Does nothing when to and from are the same record.
void MoveConfig(TlConfig &to, TlConfig &from);

} // namespace model

#endif
