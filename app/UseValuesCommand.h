// "Prendre les valeurs du fichier sélectionné / Use the selected file's
// values": the value fields take what the list's current file holds now
// (TValueFields::FillFromFile), or what a file named holds; nothing is
// written.
#pragma once

#include <string>

class TGameFolder;
class TLMDCheckListBox;
class TValueFields;

extern const char* const UseValuesCaption;

class TUseValuesCommand {
 public:
  struct TParts {
    TValueFields& Values;
    TGameFolder& Folder;
    TLMDCheckListBox& List;
  };
  explicit TUseValuesCommand(TParts parts);

  // The list has a current file.
  bool CanUse() const;
  void UseSelected();
  void UseFile(const std::string& name);

 private:
  TParts FParts;
};
