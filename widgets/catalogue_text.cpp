#include "widgets/catalogue_text.h"

#include "base/catalogue/messages.h"

namespace scorvane {

QString CatalogueText(int number) {
  return QString::fromUtf8(Msg(number));
}

QString CatalogueText(int number, std::initializer_list<TextArg> args) {
  return QString::fromStdString(FormatText(Msg(number), args));
}

}  // namespace scorvane
