// The stored window layout, in the text form format:
//
//   object Form1: TForm1
//     Caption = 'Example'
//     Font.Style = [fsBold]
//     object Label1: TLabel
//       Caption = 'Termin'#233' / Done'
//     end
//   end
//
// Values are whole numbers, decimals, quoted texts (joined with character
// codes such as #233 and continued over lines with "+"), identifiers, sets in
// brackets and lists of texts in parentheses. The reader creates every object
// through the class registry with the root (the form) as owner, places it in
// the component read around it (SetParentComponent), then sets its properties
// in file order, then reads its children, and calls Loaded on each component
// once the whole layout is read. Event properties name handlers that the root
// publishes (FindMethod). Any unknown class, property or value stops the
// reading with the object, property and line named.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/Classes.h"

struct LayoutProperty {
  std::string path;  // Name or Sub.Name
  LayoutValue value;
};

struct LayoutObject {
  std::string name;
  std::string className;
  int line = 0;
  std::vector<LayoutProperty> properties;
  std::vector<LayoutObject> children;
};

// Parses the text of a layout; errors name the line.
LayoutObject ParseLayout(const std::string& text);

class ClassRegistry {
 public:
  using Factory = std::function<TComponent*(TComponent* owner)>;
  static void Register(const std::string& className, Factory factory);
  template <class T>
  static void Register(const std::string& className) {
    Register(className, [](TComponent* owner) -> TComponent* { return new T(owner); });
  }
  static TComponent* Create(const std::string& className, TComponent* owner);
};

class LayoutReader {
 public:
  // Reads the layout into its root component, a form.
  static void Read(const LayoutObject& layout, TComponent& root);
  static void ReadResource(const std::string& resourceName, TComponent& root);
  static std::string LoadResourceText(const std::string& resourceName);

 private:
  static void ReadObject(const LayoutObject& node, TComponent& component, TComponent& root,
                         std::vector<TComponent*>& created);
};
