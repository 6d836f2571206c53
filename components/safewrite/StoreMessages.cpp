#include "components/safewrite/StoreMessages.h"

#include "components/safewrite/BackupStore.h"

namespace {

constexpr size_t NamesShown = 20;

std::string NameLines(const std::vector<std::string>& names, const std::string& after = "") {
  std::string lines;
  for (size_t i = 0; i < names.size() && i < NamesShown; ++i) lines += "\r" + names[i] + after;
  if (names.size() > NamesShown) lines += "\r... (+" + std::to_string(names.size() - NamesShown) + ")";
  return lines;
}

std::string OneDecimal(uint64_t bytes, uint64_t unit, char separator) {
  const uint64_t tenths = (bytes * 10 + unit / 2) / unit;
  return std::to_string(tenths / 10) + separator + std::to_string(tenths % 10);
}

}  // namespace

std::string ChangedFilesQuestion(const std::vector<std::string>& names, const std::string& date) {
  const bool one = names.size() == 1;
  return NameLines(names, " a changé depuis / has changed since " + date).substr(1) +
         (one ? "\rLe garder tel qu'il est ? Non le remet comme avant.\rKeep it as it is? No puts it back as it was."
              : "\rLes garder tels qu'ils sont ? Non les remet comme avant.\r"
                "Keep them as they are? No puts them back as they were.");
}

std::string RedoQuestion(const TBackupSet& set) {
  const size_t count = set.Record().Entries.size();
  const std::string files = std::to_string(count);
  return "Rétablir ce que l'annulation du " + set.Date() + " a remplacé (" + files +
         (count == 1 ? " fichier" : " fichiers") + ") ?\rBring back what the undo of " + set.Date() + " replaced (" +
         files + (count == 1 ? " file" : " files") + ")?";
}

std::string UncheckedSetsMessage(const std::vector<std::string>& names) {
  return "Ces dossiers de sauvegarde ne peuvent pas être vérifiés ; Klangor ne s'en sert pas :\r"
         "These backup folders cannot be checked; Klangor does not use them:" +
         NameLines(names);
}

std::string UncheckedInterruptedMessage(const std::vector<std::string>& names) {
  return "Une modification a été interrompue, mais sa sauvegarde ne peut pas être vérifiée ; rien n'est remis :\r"
         "A change was interrupted, but its backup cannot be checked; nothing is put back:" +
         NameLines(names);
}

std::string StoreSizeText(uint64_t bytes) {
  constexpr uint64_t KB = 1024, MB = KB * 1024, GB = MB * 1024;
  if (bytes < MB) {
    const std::string kilobytes = std::to_string((bytes + KB - 1) / KB);
    return kilobytes + " Ko / " + kilobytes + " KB";
  }
  const uint64_t unit = bytes < GB ? MB : GB;
  const char* const french = unit == MB ? " Mo / " : " Go / ";
  const char* const english = unit == MB ? " MB" : " GB";
  return OneDecimal(bytes, unit, ',') + french + OneDecimal(bytes, unit, '.') + english;
}

std::string StoreSizeLine(const TBackupStore& store) {
  return "Taille / Size : " + StoreSizeText(store.Size()) + " (max. " + StoreSizeText(store.BytesLimit()) + ")";
}
