// Run-time class information shared by every record of the data model.
//
// Each record class carries its upper-case class name, its base class and a
// factory making a default object, and reads and writes itself through one
// Serialize operation (see archive.h). Records referred to by others also
// carry a 16-bit identifier, renumbered each time a document is saved.
// Records are made where record_memory.h says: in one arena while a
// document is read, on the heap otherwise.
#pragma once

#include <memory>
#include <string_view>

#include "base/archive.h"
#include "base/record_memory.h"

namespace scorvane {

class CObject;

struct RuntimeClass {
  const char* name;
  const RuntimeClass* base;
  // Null for abstract classes.
  std::unique_ptr<CObject> (*create)();
};

class CObject {
 public:
  static const RuntimeClass kRuntimeClass;

  virtual ~CObject() = default;
  virtual const RuntimeClass& GetRuntimeClass() const { return kRuntimeClass; }
  virtual void Serialize(Archive& ar) = 0;

  static void* operator new(std::size_t size) { return record_memory::Allocate(size); }
  static void operator delete(void* memory) noexcept { record_memory::Free(memory); }

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

// Declares the run-time class of a record inside its class body.
#define SCORVANE_DECLARE_RECORD(cls)                                 \
 public:                                                             \
  static const ::scorvane::RuntimeClass kRuntimeClass;               \
  const ::scorvane::RuntimeClass& GetRuntimeClass() const override { \
    return kRuntimeClass;                                            \
  }

// Defines the run-time class of a concrete record, in its source file.
#define SCORVANE_IMPLEMENT_RECORD(cls, base)                                               \
  const ::scorvane::RuntimeClass cls::kRuntimeClass {                                      \
#cls, &base::kRuntimeClass,                                                            \
        []() -> std::unique_ptr < ::scorvane::CObject> { return std::make_unique<cls>(); } \
  }

// Defines the run-time class of an abstract record.
#define SCORVANE_IMPLEMENT_ABSTRACT_RECORD(cls, base) \
  const ::scorvane::RuntimeClass cls::kRuntimeClass { \
#cls, &base::kRuntimeClass, nullptr               \
  }

}  // namespace scorvane
