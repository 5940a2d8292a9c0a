#include "records/document.h"

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"

namespace scorvane {

std::string FileResult::Message() const {
  switch (status) {
    case Status::kOk:
      return {};
    case Status::kBadFormat:
      return Msg(134);
    case Status::kFutureVersion:
      return Msg(133);
    case Status::kFileError:
    case Status::kRefused:
      return detail;
  }
  return {};
}

std::string FileResult::MessageForFile(std::string_view file_name) const {
  std::string message = Message();
  if ((status == Status::kBadFormat || status == Status::kFutureVersion) && !detail.empty())
    message += "\n" + std::string(file_name) + ": " + detail;
  return message;
}

PROJECT_DOC::PROJECT_DOC() {
  DeleteContents();
}

PROJECT_DOC::~PROJECT_DOC() {
  ReleaseOwner();
}

void PROJECT_DOC::ReleaseOwner() {
  // An owner on its way out tells the document nothing any more.
  if (owner_) owner_->BelongTo(nullptr);
  owner_.reset();
}

void PROJECT_DOC::AdoptOwner(std::unique_ptr<UTILISATEUR> owner) {
  ReleaseOwner();
  owner_ = std::move(owner);
  owner_->BelongTo(this);
}

void PROJECT_DOC::DeleteContents() {
  // The old owner goes before the new one is made: both together would hold
  // twice the records.
  ReleaseOwner();
  AdoptOwner(std::make_unique<UTILISATEUR>());
  keeps_own_system_ = false;
  path_.clear();
  title_.clear();
}

void PROJECT_DOC::AddDefaultContents() {
  for (int id = 139; id <= 145; ++id)
    owner_->AddSurface(std::make_unique<SURFACE>(Msg(id)));
  for (int id = 146; id <= 152; ++id) {
    owner_->AddCategory(std::make_unique<CATEGORIE_FINANCIERE>(Msg(id), 0));
  }
}

void PROJECT_DOC::StartNewDocument() {
  DeleteContents();
  owner_->SetBirthDate(DATE_SIMPLE(1, 1, 1970));
}

void PROJECT_DOC::GiveOwnerDefaults() {
  owner_->SetBirthDate(DATE_SIMPLE(1, 1, 1970));
  owner_->SetLastName("");
  owner_->SetFirstName("Moi");
  owner_->SetSex(JOUEUR::kMan);
  if (owner_->Seasons().IsEmpty()) {
    const int year = ANNEE::Clamp(Today().Year());
    owner_->AddSeason(year);
    owner_->History().Add(CLASSEMENT::Worst(), DATE_SIMPLE(1, 1, year), "");
  }
}

void PROJECT_DOC::FinishNewDocument() {
  AddDefaultContents();
  std::string title = owner_->GetRawFirstName();
  if (!owner_->GetRawLastName().empty()) title += "_" + owner_->GetRawLastName();
  SetTitle(title);
}

void PROJECT_DOC::MakeDefaultDocument() {
  BeginUpdate();
  GiveOwnerDefaults();
  FinishNewDocument();
  EndUpdate();
}

void PROJECT_DOC::SetModifiedFlag(bool modified) {
  if (modified && on_refresh_views) on_refresh_views();
  modified_ = modified;
  if (on_title_changed) on_title_changed();
}

void PROJECT_DOC::MarkModified() {
  if (update_depth_ <= 0) {
    SetModifiedFlag(true);
  } else {
    change_pending_ = true;
  }
}

void PROJECT_DOC::BeginUpdate() {
  ++update_depth_;
}

void PROJECT_DOC::EndUpdate() {
  --update_depth_;
  if (update_depth_ <= 0 && change_pending_) {
    change_pending_ = false;
    MarkModified();
  }
}

void PROJECT_DOC::SetTitle(std::string title) {
  title_ = std::move(title);
  if (on_title_changed) on_title_changed();
}

std::string PROJECT_DOC::ProposedFileName() const {
  // File systems hold names of at most 255 bytes: a long title is cut to
  // fit with the extension, between two whole UTF-8 characters.
  constexpr size_t kLongestName = 255;
  const std::string extension = ".ten";
  std::string name = title_.substr(0, title_.find_first_of(" #%;/\\"));
  if (name.size() + extension.size() > kLongestName) {
    size_t cut = kLongestName - extension.size();
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
      --cut;
    name.resize(cut);
  }
  return name + extension;
}

bool PROJECT_DOC::AdoptSameSystem() {
  RankingRegistry& registry = Registry();
  SYSTEME_CLASSEMENT* pending = registry.Pending();
  if (!pending) return false;
  registry.SetPending(nullptr);
  if (!pending->IsSameAs(registry.Active())) {
    registry.SetPending(pending);
    return false;
  }
  // Same grades, same indexes: every stored value keeps its meaning.
  registry.SetActive(pending);
  return true;
}

DocumentInfo PROJECT_DOC::Info() const {
  DocumentInfo info;
  const UTILISATEUR& owner = *owner_;
  info.seasons = owner.Seasons().Count();
  info.events = owner.Events().Count();
  owner.ForEachMatch([&info](const RENCONTRE* match) {
    ++info.matches;
    if (!match->IsSingles()) ++info.doubles;
  });
  info.singles = info.matches - info.doubles;
  for (const JOUEUR* player : owner.Players()) {
    if (player->IsAnonymous()) {
      ++info.anonymous;
    } else {
      ++info.players;
    }
    if (player->IsContact()) ++info.contacts;
  }
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  info.ranking_system = system.Title() + " " + Msg(system.HasCodeName() ? 555 : 554);
  return info;
}

}  // namespace scorvane
