#include "framework/Layout.h"

#include <windows.h>

#include <cctype>
#include <cstdlib>

#include "framework/SysUtils.h"
#include "framework/Text.h"

namespace {

class LayoutParser {
 public:
  explicit LayoutParser(const std::string& text) : FText(text) {}

  LayoutObject ParseObject() {
    SkipBlanks();
    LayoutObject object;
    object.line = FLine;
    ExpectWord("object");
    object.name = Identifier();
    SkipBlanks();
    Expect(':');
    object.className = Identifier();
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail("missing 'end' of object " + object.name);
      const std::string word = PeekWord();
      if (word == "end") {
        Identifier();
        return object;
      }
      if (word == "object") {
        object.children.push_back(ParseObject());
        continue;
      }
      LayoutProperty property;
      property.path = DottedIdentifier();
      SkipBlanks();
      Expect('=');
      property.value = Value();
      object.properties.push_back(std::move(property));
    }
  }

  void ExpectEnd() {
    SkipBlanks();
    if (!AtEnd()) Fail("text after the last 'end'");
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw ELayoutError("Layout line " + IntToStr(FLine) + ": " + what);
  }
  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }

  void SkipBlanks() {
    while (!AtEnd() && std::isspace(static_cast<unsigned char>(Peek()))) {
      if (Peek() == '\n') ++FLine;
      ++FPos;
    }
  }

  void Expect(char c) {
    if (Peek() != c) Fail(std::string("expected '") + c + "'");
    ++FPos;
  }

  static bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

  std::string Identifier() {
    SkipBlanks();
    const size_t start = FPos;
    while (!AtEnd() && IsNameChar(Peek())) ++FPos;
    if (start == FPos) Fail("expected a name");
    return FText.substr(start, FPos - start);
  }

  std::string DottedIdentifier() {
    std::string path = Identifier();
    while (Peek() == '.') {
      ++FPos;
      path += "." + Identifier();
    }
    return path;
  }

  std::string PeekWord() {
    const size_t saved = FPos;
    std::string word;
    while (!AtEnd() && IsNameChar(Peek())) word += FText[FPos++];
    FPos = saved;
    return word;
  }

  void ExpectWord(const std::string& word) {
    if (Identifier() != word) Fail("expected '" + word + "'");
  }

  // 'text'#233'more' + 'continued', with '' standing for one quote.
  std::string QuotedText() {
    std::string text;
    for (;;) {
      if (Peek() == '\'') {
        ++FPos;
        for (;;) {
          if (AtEnd() || Peek() == '\n') Fail("unterminated text");
          if (Peek() == '\'') {
            if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
              text += '\'';
              FPos += 2;
              continue;
            }
            ++FPos;
            break;
          }
          text += FText[FPos++];
        }
      } else if (Peek() == '#') {
        ++FPos;
        const size_t start = FPos;
        while (std::isdigit(static_cast<unsigned char>(Peek()))) ++FPos;
        if (start == FPos) Fail("expected a character code after '#'");
        const long code = std::atol(FText.substr(start, FPos - start).c_str());
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) Fail("character code outside Unicode");
        text += Text::FromCodePoint(static_cast<char32_t>(code));
      } else {
        const size_t saved = FPos;
        const int savedLine = FLine;
        SkipBlanks();
        if (Peek() == '+') {
          ++FPos;
          SkipBlanks();
          if (Peek() == '\'' || Peek() == '#') continue;
          Fail("expected text after '+'");
        }
        FPos = saved;
        FLine = savedLine;
        return text;
      }
    }
  }

  LayoutValue Value() {
    SkipBlanks();
    LayoutValue value;
    value.line = FLine;
    const char c = Peek();
    if (c == '\'' || c == '#') {
      value.kind = LayoutValue::Kind::String;
      value.text = QuotedText();
    } else if (c == '[') {
      ++FPos;
      value.kind = LayoutValue::Kind::Set;
      SkipBlanks();
      while (Peek() != ']') {
        value.items.push_back(Identifier());
        SkipBlanks();
        if (Peek() == ',')
          ++FPos;
        else if (Peek() != ']')
          Fail("expected ',' or ']'");
        SkipBlanks();
      }
      ++FPos;
    } else if (c == '(') {
      ++FPos;
      value.kind = LayoutValue::Kind::Strings;
      for (SkipBlanks(); Peek() != ')'; SkipBlanks()) {
        if (AtEnd()) Fail("missing ')'");
        value.items.push_back(QuotedText());
      }
      ++FPos;
    } else if (c == '{') {
      value.kind = LayoutValue::Kind::String;
      value.text = BinaryDigits();
    } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
      Number(value);
    } else {
      value.kind = LayoutValue::Kind::Identifier;
      value.text = Identifier();
    }
    return value;
  }

  // {0A1B ...}: binary data as hexadecimal digits over any number of lines,
  // handed on as the text of its digits.
  std::string BinaryDigits() {
    std::string digits;
    for (++FPos, SkipBlanks(); Peek() != '}'; SkipBlanks()) {
      if (!std::isxdigit(static_cast<unsigned char>(Peek()))) Fail("expected hexadecimal digits or '}'");
      digits += FText[FPos++];
    }
    ++FPos;
    return digits;
  }

  void Number(LayoutValue& value) {
    const size_t start = FPos;
    if (Peek() == '-') ++FPos;
    bool decimal = false;
    while (!AtEnd() && (std::isdigit(static_cast<unsigned char>(Peek())) || Peek() == '.' || Peek() == 'e' ||
                        Peek() == 'E' || ((Peek() == '-' || Peek() == '+') && decimal))) {
      if (Peek() == '.' || Peek() == 'e' || Peek() == 'E') decimal = true;
      ++FPos;
    }
    const std::string digits = FText.substr(start, FPos - start);
    char* end = nullptr;
    if (decimal) {
      value.kind = LayoutValue::Kind::Float;
      value.number = std::strtod(digits.c_str(), &end);
    } else {
      value.kind = LayoutValue::Kind::Integer;
      value.integer = std::strtoll(digits.c_str(), &end, 10);
    }
    if (digits.empty() || *end != '\0' || IsNameChar(Peek())) Fail("malformed number '" + digits + "'");
  }

  const std::string& FText;
  size_t FPos = 0;
  int FLine = 1;
};

std::map<std::string, ClassRegistry::Factory>& Factories() {
  static std::map<std::string, ClassRegistry::Factory> factories;
  return factories;
}

void SetProperty(TPersistent& object, const std::string& objectName, const LayoutProperty& property,
                 const TComponent& root) {
  TPersistent* target = &object;
  std::string path = property.path;
  for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.')) {
    const PropertyTable::SubObject* sub = target->Published().FindSubObject(path.substr(0, dot));
    if (!sub) break;
    target = &(*sub)(*target);
    path = path.substr(dot + 1);
  }
  const PropertyTable::Setter* setter = target->Published().FindSetter(path);
  if (!setter)
    throw ELayoutError("Layout line " + IntToStr(property.value.line) + ": " + objectName + " has no property " +
                       property.path);
  LayoutValue value = property.value;
  value.root = &root;
  try {
    (*setter)(*target, value);
  } catch (const ELayoutError& error) {
    throw ELayoutError(objectName + "." + property.path + ": " + error.what());
  }
}

}  // namespace

LayoutObject ParseLayout(const std::string& text) {
  LayoutParser parser(text);
  LayoutObject root = parser.ParseObject();
  parser.ExpectEnd();
  return root;
}

void ClassRegistry::Register(const std::string& className, Factory factory) {
  Factories()[className] = std::move(factory);
}

TComponent* ClassRegistry::Create(const std::string& className, TComponent* owner) {
  auto found = Factories().find(className);
  return found == Factories().end() ? nullptr : found->second(owner);
}

void LayoutReader::ReadObject(const LayoutObject& node, TComponent& component, TComponent& root,
                              std::vector<TComponent*>& created) {
  for (const LayoutProperty& property : node.properties) SetProperty(component, node.name, property, root);
  for (const LayoutObject& childNode : node.children) {
    TComponent* child = ClassRegistry::Create(childNode.className, &root);
    if (!child)
      throw ELayoutError("Layout line " + IntToStr(childNode.line) + ": unknown class " + childNode.className);
    child->FLoading = true;
    child->SetName(childNode.name);
    created.push_back(child);
    child->SetParentComponent(component.GetChildParent());
    ReadObject(childNode, *child, root, created);
  }
}

void LayoutReader::Read(const LayoutObject& layout, TComponent& root) {
  root.FLoading = true;
  root.SetName(layout.name);
  std::vector<TComponent*> created;
  ReadObject(layout, root, root, created);
  root.FLoading = false;
  for (TComponent* component : created) {
    component->FLoading = false;
    component->Loaded();
  }
  root.Loaded();
}

std::string LayoutReader::LoadResourceText(const std::string& resourceName) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceA(module, resourceName.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!resource) throw ELayoutError("Layout resource " + resourceName + " not found");
  HGLOBAL loaded = LoadResource(module, resource);
  const char* data = static_cast<const char*>(LockResource(loaded));
  return std::string(data, SizeofResource(module, resource));
}

void LayoutReader::ReadResource(const std::string& resourceName, TComponent& root) {
  Read(ParseLayout(LoadResourceText(resourceName)), root);
}
