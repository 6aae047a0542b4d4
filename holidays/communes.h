// Lists of communes where a state's law decides a day by commune: keyed by
// the official commune key (German AGS, Swiss BFS number) and name. The
// tables are written by tools/communes/make_communes.mjs from the published
// lists; a place is matched by its commune key, or else by its name.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/inline_text.h"
#include "holidays/region_law.h"

namespace vespera::holidays {

// A row holds no pointer (Bavaria's list alone has 2 056 rows): its texts
// inline, its note as a number into its list's notes.
struct Commune {
    InlineText<8> key;     // official commune key; empty where the source gives none
    InlineText<38> name;   // official name, UTF-8
    bool holds;            // the day is a public holiday there
    std::uint8_t note = 0; // in its list's notes; 0: none. Some only in some parts
                           // ("nur Ortsteil Prischwitz"): regional there
};

// Every commune whose key begins with `prefix` (a district, a county).
struct District {
    std::string_view prefix;
    std::string_view name;
    bool holds;
    std::string_view note = {}; // the source leaves its communes open: regional there
};

// What a commune of the state that the list does not name keeps.
enum class Others : std::uint8_t {
    Without, // the list names every commune that keeps the day
    With,    // the list names every commune that does not
    Unknown, // the list is a part: such a place stays "regional"
};

struct CommuneList {
    std::string_view key_prefix;         // keys of the state ("09": Bayern); empty for Swiss BFS numbers
    std::span<const District> districts; // whole districts
    std::span<const Commune> communes;   // sorted by key, keyless ones last
    std::span<const std::string_view> notes; // the communes' notes; the first empty
    Others others;
    std::string_view unresolved;         // German: why a place stays "regional"
};

// The place as the caller knows it: its commune key where the gazetteer has
// one, and its name.
struct Locality {
    std::string_view commune_key;
    std::string_view name;
};

struct CommuneAnswer {
    Status status;         // Statutory, Regional or None
    std::string_view note; // why regional
};

CommuneAnswer resolve(const CommuneList& list, const Locality& place);

// The lists the laws refer to (communes_data.cpp, generated).
extern const CommuneList kBavariaAssumption;  // Mariä Himmelfahrt, DE-BY
extern const CommuneList kAugsburgPeace;      // Augsburger Friedensfest, DE-BY
extern const CommuneList kSaxonyCorpusChristi;    // Fronleichnam, DE-SN
extern const CommuneList kThuringiaCorpusChristi; // Fronleichnam, DE-TH
extern const CommuneList kFribourgReformed; // the reformed communes' days, CH-FR
extern const CommuneList kFribourgCatholic; // the catholic part's days, CH-FR

} // namespace vespera::holidays
