// DLG_VISU_RENCONTRES, the match viewer: any set of matches (those behind a
// bar of a chart, the matches played with a player, ...) in one list with a
// count line, columns sortable by a click on their heading, and a double
// click that opens the match.
//
// The viewer holds pointers to matches the document owns; it never adds or
// removes matches. Opening a match goes through a hook, so that the match
// dialog plugs in without the viewer knowing it.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "base/list.h"
#include "pages/common/matches/match_viewer_rules.h"
#include "stats/matches/match_groups.h"

class QLabel;

namespace scorvane {

class MY_LIST_CONTROL;
class RENCONTRE;

class DLG_VISU_RENCONTRES : public QDialog {
  Q_OBJECT

 public:
  // Opens the match of a row for editing: the match as it stands after the
  // user changed it (another record when singles became doubles), or null
  // when nothing changed. The viewer then shows every row again.
  using MatchOpener = std::function<RENCONTRE*(QWidget* parent, RENCONTRE& match)>;
  // The hook the match dialog installs. Until one is installed a double
  // click opens nothing.
  static void SetMatchOpener(MatchOpener opener);

  // Shows the matches of the group behind a chart value, titled with the
  // group's label; an id no group carries shows nothing.
  static void ShowGroup(const MatchGroups& groups, std::int64_t id, QWidget* parent);

  // `matches` is copied (the document keeps owning the matches).
  DLG_VISU_RENCONTRES(const QString& title, const List<RENCONTRE*>& matches,
                      QWidget* parent = nullptr);

  MY_LIST_CONTROL* ListControl() const { return list_; }
  QString TotalText() const;
  ViewerColumn SortColumn() const { return sort_column_; }
  bool SortsDescending() const { return descending_; }

  // A click on a column heading: a new column sorts ascending, the same
  // column again flips the direction.
  void HeadingClicked(int column);
  // A double click on a row: the row's match is opened through the hook.
  void OpenRow(int row);

 private:
  void Fill();
  void FitColumns();
  void Sort();

  List<RENCONTRE*> matches_;
  QLabel* total_;
  MY_LIST_CONTROL* list_;
  ViewerColumn sort_column_ = ViewerColumn::kDate;
  bool descending_ = false;
};

}  // namespace scorvane
