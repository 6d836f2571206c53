#include "app/Registration.h"

#include "app/Unit1.h"
#include "components/config/BFC_Dir.h"
#include "components/config/Profil.h"
#include "components/config/RegistryReader.h"
#include "components/version/VersionChecker.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "components/widgets/bButton.h"
#include "framework/Layout.h"
#include "framework/StdCtrls.h"

void RegisterLayoutClasses() {
  RegisterStandardControls();
  ClassRegistry::Register<TProgressCyl>("TProgressCyl");
  ClassRegistry::Register<TbButton>("TbButton");
  ClassRegistry::Register<TLMDCheckListBox>("TLMDCheckListBox");
  ClassRegistry::Register<TBFC_Dir>("TBFC_Dir");
  ClassRegistry::Register<TRegistryReader>("TRegistryReader");
  ClassRegistry::Register<TProfile>("TProfile");
  ClassRegistry::Register<TVersionChecker>("TVersionChecker");
}
