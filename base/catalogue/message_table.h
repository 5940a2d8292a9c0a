// Storage of the message catalogue; use messages.h to look texts up.
#pragma once

namespace scorvane::catalogue {

struct MessagePair {
  const char* english;  // null for a reserved number
  const char* french;   // null for a reserved number
};

inline constexpr int kMessageCount = 591;
extern const MessagePair kMessageTable[kMessageCount];

}  // namespace scorvane::catalogue
