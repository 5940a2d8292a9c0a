#include "pages/rankings/system_editor_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <system_error>

#include "base/catalogue/messages.h"
#include "base/user_prompt.h"
#include "pages/rankings/grade_list_editor.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

QLineEdit* NumberField(QWidget* parent, const char* name, int32_t value) {
  auto* field = new QLineEdit(QString::number(value), parent);
  field->setObjectName(QLatin1String(name));
  field->setValidator(new QIntValidator(field));
  field->setAlignment(Qt::AlignRight);
  field->setMaximumWidth(90);
  return field;
}

}  // namespace

bool ReadNumberField(const QString& text, int32_t& value) {
  bool ok = false;
  const int read = text.trimmed().toInt(&ok, 10);
  if (ok) value = read;
  return ok;
}

DLG_EDITION_SYSCLASS::DLG_EDITION_SYSCLASS(const SYSTEME_CLASSEMENT& system,
                                           std::filesystem::path file, QWidget* parent)
    : QDialog(parent),
      edited_(system),
      file_(std::move(file)),
      name_(new QLineEdit(this)),
      description_(new QPlainTextEdit(this)),
      yearly_(new QCheckBox(this)),
      kind_box_(new QGroupBox(this)),
      kind_(new QButtonGroup(this)),
      numbers_(new QRadioButton(kind_box_)),
      grades_(new QRadioButton(kind_box_)),
      grade_list_(new GradeListEditor(kind_box_)),
      name_label_(new QLabel(this)),
      description_label_(new QLabel(this)),
      strongest_label_(new QLabel(kind_box_)),
      weakest_label_(new QLabel(kind_box_)) {
  setObjectName(QStringLiteral("systemEditor"));
  FillBackground(*this, ScreenColours::DialogBackground());
  FillBackground(*kind_box_, ScreenColours::DialogFrame());
  name_->setObjectName(QStringLiteral("name"));
  description_->setObjectName(QStringLiteral("description"));
  yearly_->setObjectName(QStringLiteral("yearly"));
  numbers_->setObjectName(QStringLiteral("numbersChoice"));
  grades_->setObjectName(QStringLiteral("gradesChoice"));

  const SystemDefinition definition = DefinitionOf(system);
  name_->setText(QString::fromStdString(definition.name));
  name_->setMinimumWidth(260);
  description_->setPlainText(QString::fromStdString(definition.description));
  description_->setTabChangesFocus(true);
  description_->setFixedHeight(description_->fontMetrics().lineSpacing() * 4 + 12);
  yearly_->setChecked(definition.yearly);
  strongest_ = NumberField(kind_box_, "strongest", definition.strongest);
  weakest_ = NumberField(kind_box_, "weakest", definition.weakest);
  grade_list_->SetGrades(definition.grade_lines);
  kind_->addButton(numbers_, 0);
  kind_->addButton(grades_, 1);
  (definition.grades ? grades_ : numbers_)->setChecked(true);
  connect(kind_, &QButtonGroup::idToggled, this, [this](int, bool on) {
    if (on) FollowKind();
  });

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
  form->addRow(name_label_, name_);
  form->addRow(description_label_, description_);
  form->addRow(QString(), yearly_);

  auto* numbers_fields = new QHBoxLayout;
  numbers_fields->setContentsMargins(24, 0, 0, 0);
  numbers_fields->addWidget(strongest_label_);
  numbers_fields->addWidget(strongest_);
  numbers_fields->addSpacing(16);
  numbers_fields->addWidget(weakest_label_);
  numbers_fields->addWidget(weakest_);
  numbers_fields->addStretch();
  auto* grades_box = new QHBoxLayout;
  grades_box->setContentsMargins(24, 0, 0, 0);
  grades_box->addWidget(grade_list_);
  auto* kind_layout = new QVBoxLayout(kind_box_);
  kind_layout->addWidget(numbers_);
  kind_layout->addLayout(numbers_fields);
  kind_layout->addSpacing(8);
  kind_layout->addWidget(grades_);
  kind_layout->addLayout(grades_box, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  // Enter is OK, except in a grade label being edited, which takes it.
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_EDITION_SYSCLASS::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &DLG_EDITION_SYSCLASS::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(kind_box_, 1);
  layout->addWidget(buttons);
  Retranslate();
  FollowKind();
}

void DLG_EDITION_SYSCLASS::FollowKind() {
  // Only the fields of the kind chosen take input.
  const bool grades = grades_->isChecked();
  for (QWidget* field :
       {static_cast<QWidget*>(strongest_), static_cast<QWidget*>(weakest_),
        static_cast<QWidget*>(strongest_label_), static_cast<QWidget*>(weakest_label_)}) {
    field->setEnabled(!grades);
  }
  grade_list_->setEnabled(grades);
}

SystemDefinition DLG_EDITION_SYSCLASS::Definition() const {
  SystemDefinition definition;
  definition.name = name_->text().toStdString();
  definition.description = description_->toPlainText().toStdString();
  definition.yearly = yearly_->isChecked();
  definition.grades = grades_->isChecked();
  ReadNumberField(strongest_->text(), definition.strongest);
  ReadNumberField(weakest_->text(), definition.weakest);
  definition.grade_lines = grade_list_->Grades();
  return definition;
}

bool DLG_EDITION_SYSCLASS::ReadNumbers(SystemDefinition& definition) {
  if (definition.grades) return true;
  for (auto [field, value] :
       {std::pair{strongest_, &definition.strongest}, std::pair{weakest_, &definition.weakest}}) {
    if (!ReadNumberField(field->text(), *value)) {
      MessageBoxes::Warn(this, tr("Please enter a whole number."));
      field->setFocus();
      field->selectAll();
      return false;
    }
  }
  return true;
}

bool DLG_EDITION_SYSCLASS::MayWriteFile(const SYSTEME_CLASSEMENT& system) const {
  const std::filesystem::path target = SYSTEME_CLASSEMENT::FileFor(system.Title());
  std::error_code error;
  if (target.empty() || !std::filesystem::exists(target, error)) return true;
  if (!file_.empty() && std::filesystem::equivalent(target, file_, error)) return true;
  // Another system's file has this name: it is replaced only when the user
  // says so.
  return AskYesNo(Msg(573));
}

void DLG_EDITION_SYSCLASS::accept() {
  SystemDefinition definition = Definition();
  if (!ReadNumbers(definition)) return;
  if (const std::string problem = DefinitionProblem(definition); !problem.empty()) {
    MessageBoxes::Warn(this, QString::fromStdString(problem));
    return;
  }
  if (const std::string text = UnstorableDefinitionText(definition); !text.empty()) {
    MessageBoxes::Warn(this,
                       tr("\"%1\" holds characters that a ranking-system file cannot store. Please "
                          "write it with other characters.")
                           .arg(QString::fromStdString(text)));
    return;
  }
  const SYSTEME_CLASSEMENT system = BuildSystem(definition, edited_);
  if (!MayWriteFile(system)) return;
  if (std::string why; !system.WriteFile(&why)) {
    MessageBoxes::Warn(this, QString::fromUtf8(Msg(572)) + u'\n' + QString::fromStdString(why));
    return;
  }
  saved_title_ = system.Title();
  QDialog::accept();
}

void DLG_EDITION_SYSCLASS::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void DLG_EDITION_SYSCLASS::Retranslate() {
  setWindowTitle(tr("Ranking system"));
  name_label_->setText(tr("Name :"));
  description_label_->setText(tr("Description :"));
  yearly_->setText(tr("One ranking per sports year"));
  kind_box_->setTitle(tr("Rankings"));
  numbers_->setText(tr("Numbers (points, position, etc.)"));
  grades_->setText(tr("Grades (grades, groups, etc.), from the strongest to the weakest"));
  strongest_label_->setText(tr("The strongest"));
  weakest_label_->setText(tr("The weakest"));
}

}  // namespace scorvane
