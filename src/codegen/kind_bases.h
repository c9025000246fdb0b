#pragma once
// The base classes of the newer game's kinds: each holds the control type and everything the game
// requires of that type (textures, sounds, colours, nested classes), so a control deriving from
// it writes only what its record holds. A design's code defines one only when a control of that
// kind derives from it, each once, after the preamble and the group base.

#include "codegen/code_out.h"
#include "model/control_kind.h"
#include "model/dialog_set.h"

#include <array>
#include <cstddef>
#include <string>

namespace kovrin {

// By kindIndex: whether a control of the set derives from the kind's base, being of that kind
// and naming no class of the game in its place (or naming that base). Never for the kinds
// without such a base.
using KindsDerived = std::array<bool, kAllKinds.size()>;
KindsDerived kindsDerivedFromBases(const DialogSet &set);

// The block of one kind: its "#define CT_..." line and its class; nothing for a kind the preamble
// or the group base serves, or for the generic control.
void appendKindBase(CodeOut &out, ControlKind kind);
std::string kindBaseText(ControlKind kind);

// The blocks of the kinds the set derives from, in the kind table's order; nothing when none,
// so such a design's code is as before.
void appendKindBases(CodeOut &out, const DialogSet &set);
// The bytes those blocks take, for the room made for the code.
std::size_t kindBasesBytes(const DialogSet &set);

} // namespace kovrin
