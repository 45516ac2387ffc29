// The shape of a text catalogue: one entry per text with its Czech and
// English forms, looked up by the text's id. The engine's messages and the
// windows' captions are two catalogues of this shape.
#pragma once

#include <string_view>

#include "text/language.hpp"

namespace velkar::text {

template <class Id>
struct CatalogueEntry {
  Id id;
  std::string_view czech;
  std::string_view english;
};

// A text with one form for both interfaces (most of them the Czech texts
// that stay Czech in the English interface).
template <class Id>
constexpr CatalogueEntry<Id> OneForm(Id id, std::string_view text) {
  return {id, text, text};
}

// The form of the text in the language; empty when the catalogue lacks it.
template <class Id, class Catalogue>
std::string_view LookUp(const Catalogue& catalogue, Id id, Language language) {
  for (const CatalogueEntry<Id>& e : catalogue)
    if (e.id == id) return language == Language::Czech ? e.czech : e.english;
  return {};
}

}  // namespace velkar::text
