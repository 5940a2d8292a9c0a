// The clubs and court surfaces of a document.
#pragma once

#include <cstdint>
#include <string>

#include "base/record.h"

namespace scorvane {

class CLUB : public CObject {
  SCORVANE_DECLARE_RECORD(CLUB)
 public:
  CLUB() = default;
  explicit CLUB(std::string name) : name_(std::move(name)) {}

  int16_t Id() const { return id_; }
  void SetId(int16_t id) { id_ = id; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // Kept and written back; nothing shows it.
  const std::string& SecondText() const { return second_text_; }
  void SetSecondText(std::string text) { second_text_ = std::move(text); }
  const std::string& Phone() const { return phone_; }
  void SetPhone(std::string phone) { phone_ = std::move(phone); }
  const std::string& Address() const { return address_; }
  void SetAddress(std::string address) { address_ = std::move(address); }
  int32_t Code() const { return code_; }
  void SetCode(int32_t code) { code_ = code; }
  // The code in decimal, or "" for no code (0).
  std::string CodeText() const;

  void Serialize(Archive& ar) override;

 private:
  int16_t id_ = -1;
  std::string name_;
  std::string second_text_;
  std::string phone_;
  std::string address_;
  int32_t code_ = 0;
};

class SURFACE : public CObject {
  SCORVANE_DECLARE_RECORD(SURFACE)
 public:
  SURFACE() = default;
  explicit SURFACE(std::string name) : name_(std::move(name)) {}

  int16_t Id() const { return id_; }
  void SetId(int16_t id) { id_ = id; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  void Serialize(Archive& ar) override;

 private:
  int16_t id_ = -1;
  std::string name_;
};

}  // namespace scorvane
