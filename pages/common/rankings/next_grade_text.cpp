#include "pages/common/rankings/next_grade_text.h"

#include <QCoreApplication>

#include "estimates/next_grade_advice.h"

namespace scorvane {
namespace {

// The texts are marked with QT_TRANSLATE_NOOP so that lupdate finds them.
QString Tr(const char* text) {
  return QCoreApplication::translate("NextGrade", text);
}

// Under today's rules the grades are échelons.
QString Grade(const NextGradeAdvice& advice, const CLASSEMENT& grade) {
  return QString::fromStdString(advice.Name(grade));
}

QString Points(double points) {
  return QString::number(points, 'g', 6);
}

QString WinsOver(const NextGradeAdvice& advice, const WinsNeeded& option) {
  const QString count = option.wins == 1
                            ? Tr(QT_TRANSLATE_NOOP("NextGrade", "1 win"))
                            : Tr(QT_TRANSLATE_NOOP("NextGrade", "%1 wins")).arg(option.wins);
  return Tr(QT_TRANSLATE_NOOP("NextGrade", "%1 over %2 or better"))
      .arg(count, Grade(advice, option.opponent));
}

QString DefeatsAgainst(const NextGradeAdvice& advice, int defeats, const CLASSEMENT& grade,
                       bool equal) {
  QString count;
  if (defeats >= NextGradeAdvice::kMaxDefeats) {
    count = Tr(QT_TRANSLATE_NOOP("NextGrade", "%1 defeats or more")).arg(defeats);
  } else if (defeats == 1) {
    count = Tr(QT_TRANSLATE_NOOP("NextGrade", "1 defeat"));
  } else {
    count = Tr(QT_TRANSLATE_NOOP("NextGrade", "%1 defeats")).arg(defeats);
  }
  return (equal ? Tr(QT_TRANSLATE_NOOP("NextGrade", "%1 against %2 (the same grade)"))
                : Tr(QT_TRANSLATE_NOOP("NextGrade", "%1 against %2 (one grade lower)")))
      .arg(count, Grade(advice, grade));
}

}  // namespace

std::string NextGradeSection(const NextGradeAdvice& advice) {
  if (!advice.available) return {};
  QString text = QStringLiteral("##SEPARATION_HORIZONTALE##");
  if (advice.target.IsNone()) {
    text +=
        QStringLiteral("##GRAS_17##") + Tr(QT_TRANSLATE_NOOP("NextGrade", "WHAT NEXT?")) + u'\n';
    text +=
        Tr(QT_TRANSLATE_NOOP("NextGrade", "%1 is the highest grade: there is no grade above it."))
            .arg(Grade(advice, advice.estimate)) +
        u'\n';
    return text.toStdString();
  }
  const QString target = Grade(advice, advice.target);
  text += QStringLiteral("##GRAS_17##") +
          Tr(QT_TRANSLATE_NOOP("NextGrade", "WHAT WOULD TAKE YOU UP TO %1?")).arg(target) + u'\n';
  text += u'\n';
  if (advice.echelons) {
    // Today's rules try the next échelon itself, against its norm.
    text += Tr(QT_TRANSLATE_NOOP("NextGrade",
                                 "Tried at %1 your season is worth %2 points; its norm is %3"))
                .arg(target, Points(advice.points), Points(advice.up_norm));
  } else {
    text +=
        Tr(QT_TRANSLATE_NOOP("NextGrade",
                             "At %1 your season is worth %2 points; %3 are needed to go up to %4"))
            .arg(Grade(advice, advice.estimate), Points(advice.points), Points(advice.up_norm),
                 target);
  }
  text += advice.missing > 0
              ? Tr(QT_TRANSLATE_NOOP("NextGrade", " (%1 missing).")).arg(Points(advice.missing))
              : Tr(QT_TRANSLATE_NOOP("NextGrade", " (reached, but the rise would not be kept)."));
  text += QStringLiteral("\n\n##GRAS##");
  if (advice.wins.empty()) {
    text += Tr(QT_TRANSLATE_NOOP(
                   "NextGrade",
                   "No number of wins up to %1 over players of one grade takes you to %2."))
                .arg(NextGradeAdvice::kMaxWins)
                .arg(target) +
            u'\n';
  } else {
    text +=
        Tr(QT_TRANSLATE_NOOP("NextGrade", "Any one of these would take you to %1:")).arg(target) +
        u'\n';
    for (const WinsNeeded& option : advice.wins)
      text += u'\t' + WinsOver(advice, option) + u'\n';
  }
  text += QStringLiteral("\n##GRAS##") +
          Tr(QT_TRANSLATE_NOOP("NextGrade", "Defeats your estimate can still take:")) + u'\n';
  text +=
      u'\t' + DefeatsAgainst(advice, advice.defeats_at_equal_grade, advice.estimate, true) + u'\n';
  if (!advice.lower_grade.IsNone()) {
    text += u'\t' +
            DefeatsAgainst(advice, advice.defeats_at_lower_grade, advice.lower_grade, false) +
            u'\n';
  }
  return text.toStdString();
}

QString NextGradeSentence(const NextGradeAdvice& advice) {
  if (!advice.available || advice.target.IsNone() || advice.wins.empty()) return {};
  return Tr(QT_TRANSLATE_NOOP("NextGrade", "%1 would take you to %2"))
      .arg(WinsOver(advice, advice.wins.front()), Grade(advice, advice.target));
}

}  // namespace scorvane
