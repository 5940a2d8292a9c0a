// The own page: its picture, the refusal of a file that is no picture, the
// card, the chart and its clicks, and any player's ranking evolution.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "pages/common/rankings/ranking_evolution_dialog.h"
#include "pages/common/rankings/ranking_history_dialog.h"
#include "pages/own/own_page.h"
#include "pages/own/own_page_views.h"
#include "records/document.h"
#include "records/season.h"
#include "stats/chart/chart_zones.h"
#include "stats/evolution_charts.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"

using namespace scorvane;
using namespace scorvane::testing;

class OwnPageTest : public WindowFixture {
  Q_OBJECT

 private:
  // Seasons 1998 and 2000 (active), a man at 30/2 then 30/1, two wins in 2000.
  void Seasons() {
    Owner().SetFirstName("Jean");
    Owner().SetLastName("Martin");
    Owner().SetBirthDate(DATE_SIMPLE(1, 5, 1970));
    DocumentBuilder b(Owner());
    b.Season(1998, "30/2");
    b.Season(2000, "30/1");
    EPREUVE_JOUEE* open = b.Tournament("Open", DATE_SIMPLE(3, 5, 2000));
    b.Singles(open, b.Player("A", "A", {{2000, "30/1"}, {2001, "30/1"}}), true, "6/4 6/4");
    b.Singles(open, b.Player("B", "B", {{2000, "30/1"}, {2001, "30/1"}}), true, "6/4 6/4");
    Doc().SetModifiedFlag(false);
  }

 private slots:
  void RacketPictureUntilAPhotoIsChosen() {
    Seasons();
    PAGE_PERSO page;
    page.InitialUpdate();
    QVERIFY(page.ShowsDefaultPhoto());
    QVERIFY(!page.Photo().isNull());
    QCOMPARE(Owner().PhotoPath(), std::string());

    // A PNG in a folder of its own: taken, kept in the owner, and the next
    // choice starts in its folder.
    QDir(Path(QString())).mkpath(QStringLiteral("pictures"));
    const QString png = Path(QStringLiteral("pictures/me.png"));
    QImage picture(30, 40, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(png));
    FileChoosers::ScriptPaths({png, QString()});
    page.ChoosePhoto();
    QCOMPARE(FileChoosers::Offered().front(), PAGE_PERSO::PhotosFolder());
    QCOMPARE(QString::fromStdString(Owner().PhotoPath()), png);
    QVERIFY(Doc().IsModified());
    QVERIFY(!page.ShowsDefaultPhoto());
    QCOMPARE(page.Photo().size(), QSize(30, 40));
    QTest::mouseClick(page.PhotoFrame(), Qt::LeftButton);  // cancelled
    QCOMPARE(FileChoosers::Offered().back(), Path(QStringLiteral("pictures")));
  }

  void FileThatIsNoPictureIsRefused() {
    Seasons();
    PAGE_PERSO page;
    page.InitialUpdate();
    const QString fake = Path(QStringLiteral("holiday.bmp"));
    QFile file(fake);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    FileChoosers::ScriptPaths({fake});
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    page.ChoosePhoto();
    QCOMPARE(MessageBoxes::Said(),
             QStringList{"Could not load photo holiday.bmp ! You can load a photo by clicking "
                         "onto the 'Change photo' button in your own page"});
    QCOMPARE(Owner().PhotoPath(), std::string());
    QVERIFY(!Doc().IsModified());
    QVERIFY(page.ShowsDefaultPhoto());
  }

  // The card's next-grade sentence has its test with the French rules.
  void CardOpensTheDescription() {
    Seasons();
    PAGE_PERSO page;
    page.InitialUpdate();
    QCOMPARE(page.PrintTitle(), QStringLiteral("Jean Martin - Own page"));
    // A click on the card opens the description.
    QString title;
    AnswerNextModal([&title](QWidget* modal) {
      title = modal->windowTitle();
      modal->close();
    });
    QTest::mouseClick(page.CardFrame(), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Your description"));
  }

  void ChartChoiceIsKeptAndClicksOpenTheSeason() {
    Seasons();
    PAGE_PERSO page;
    page.InitialUpdate();
    QCOMPARE(page.ChartChoice()->count(), 4);
    QCOMPARE(page.ChartChoice()->itemText(1),
             QStringLiteral("Official matches played (singles only)"));
    QVERIFY(page.ChartHint()->text().isEmpty());
    page.ChartChoice()->setCurrentIndex(1);
    emit page.ChartChoice()->activated(1);
    QCOMPARE(page.ChartHint()->text(),
             QStringLiteral("To see the matches of a season, click into the chart"));
    QCOMPARE(page.ChartData().CategoryCount(), 3);
    page.InitialUpdate();  // another document: the choice stays
    QCOMPARE(page.Chart(), SeasonChart::kMatchesPlayed);

    // A season's value (the other cases have their rule test): it becomes
    // active and its matches are shown.
    QSignalSpy asked(&page, &PageView::ShowPageRequested);
    page.ChartClicked(ZONE_GRAPHIQUE::kDataValue, 1998);
    QCOMPARE(Owner().GetActiveSeason()->Year(), 1998);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.front().front().toInt(), 1);
  }

  void RankingEvolutionOfAnyPlayer() {
    Seasons();
    JOUEUR* paul =
        DocumentBuilder(Owner()).Player("Paul", "Durand", {{1999, "30/3"}, {2000, "30"}});
    DLG_EVOLUTION_CLASSEMENT dialog(Doc(), *paul);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Paul Durand evolution"));
    QCOMPARE(dialog.ChartData().CategoryCount(), 2);
    // A point opens the history on its entry; a change there redraws.
    QString selected;
    AnswerNextModal([&selected, paul](QWidget* modal) {
      auto* history = static_cast<DLG_EDIT_CLASSEMENTS*>(modal);
      selected = QString::number(history->SelectedEntry()->Date().Year());
      paul->History().Add(DocumentBuilder::Rank("15/5"), DATE_SIMPLE(1, 1, 2001), "");
      modal->close();
    });
    dialog.ChartClicked(ZONE_GRAPHIQUE::kDataValue, 1);
    QCOMPARE(selected, QStringLiteral("2000"));
    QCOMPARE(dialog.ChartData().CategoryCount(), 3);
    AnswerNextModal([](QWidget* modal) { modal->close(); });
    QTest::mouseClick(dialog.EditButton(), Qt::LeftButton);
  }
};

QTEST_MAIN(OwnPageTest)
#include "own_page_test.moc"
