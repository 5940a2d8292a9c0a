// The eight ranking systems built into the program. They need no file, are
// never edited and exist once each for the life of the application.
#pragma once

#include <string>

#include "ranking/ranking_system.h"

namespace scorvane {

// Base of the built-ins: answers whether a system read from a document or a
// file is this built-in, by code name or, for old-format records that carry
// none, by the presence of a fixed set of grade names.
class SYSTEME_REFERENCE : public SYSTEME_CLASSEMENT {
 public:
  bool HasCodeName() const override { return true; }
  bool IsBuiltIn() const override { return true; }
  virtual bool Recognises(const SYSTEME_CLASSEMENT& other) const;

 protected:
  SYSTEME_REFERENCE() = default;
  // The grades that an old-format system must all hold to be recognised;
  // empty for systems that never recognise old-format records.
  virtual std::vector<std::string> RecognitionGrades() const = 0;
  void DefineGrades(std::initializer_list<const char*> names);
};

class SYSTEME_FRANCAIS : public SYSTEME_REFERENCE {
 public:
  SYSTEME_FRANCAIS();
  bool IsFrench() const override { return true; }
  bool CanEstimate() const override { return true; }

 protected:
  std::vector<std::string> RecognitionGrades() const override;
};

class SYSTEME_SUISSE : public SYSTEME_REFERENCE {
 public:
  SYSTEME_SUISSE();

 protected:
  std::vector<std::string> RecognitionGrades() const override;
};

class SYSTEME_NTRP : public SYSTEME_REFERENCE {
 public:
  SYSTEME_NTRP();

 protected:
  std::vector<std::string> RecognitionGrades() const override;
};

class SYSTEME_PAYSBAS : public SYSTEME_REFERENCE {
 public:
  SYSTEME_PAYSBAS();

 protected:
  std::vector<std::string> RecognitionGrades() const override;
};

class SYSTEME_LUXEMBOURG : public SYSTEME_REFERENCE {
 public:
  SYSTEME_LUXEMBOURG();

 protected:
  std::vector<std::string> RecognitionGrades() const override;
};

class SYSTEME_BELGE : public SYSTEME_REFERENCE {
 public:
  SYSTEME_BELGE();
  bool IsBelgian() const override { return true; }
  bool CanEstimate() const override { return true; }

 protected:
  std::vector<std::string> RecognitionGrades() const override;
};

class SYSTEME_ATP : public SYSTEME_REFERENCE {
 public:
  SYSTEME_ATP();

 protected:
  std::vector<std::string> RecognitionGrades() const override { return {}; }
};

class SYSTEME_WTA : public SYSTEME_REFERENCE {
 public:
  SYSTEME_WTA();

 protected:
  std::vector<std::string> RecognitionGrades() const override { return {}; }
};

}  // namespace scorvane
