#pragma once

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "notebook/notebook_document.h"
#include "present/language.h"
#include "present/number_style.h"
#include "present/pass.h"
#include "session/conditions.h"

// The teacher's exercise for each group: its own conditions around the
// manual's three points, the notebook handed out, the answer key, and which
// of the group's points were taken at them. Sealing belongs to whoever holds
// the teacher's key; here is only the text the seal covers.
namespace gelvor {

// A group as the teacher's list names it: "L3-A: Ana Pérez, Luis Gómez".
struct Group {
    std::string name;
    std::vector<std::string> students;
};
struct GroupsRead {
    std::vector<Group> groups;
    std::string error;  // a sentence in the language asked for, naming the line; empty when read
};
// One group a line; blank lines and lines starting with "#" are skipped.
// Names must be unique and usable as file names.
GroupsRead read_groups(std::string_view text, Language language = Language::spanish);

// The manual's three points, each drawn around its flows (within a few g/s,
// never under the least the machine runs with), with the water inlet, the
// room and the barometer within their spins' ranges; only points where the
// bench's model is physical: a complete pass, no validity note, no setting
// out of range. `rng` is the only source of chance.
std::vector<AssignedPoint> draw_points(std::mt19937& rng);

// What the seal covers: the group, its students and its points, as one text
// that no two different assignments share.
std::string sealed_text(const Assignment& assignment);

// The notebook a group is handed: its header filled, its points to take.
NotebookDocument assignment_notebook(const Assignment& assignment);

// The settings of an assigned point as the boxes hold them, and as
// "Fijar condiciones" sets them.
PanelSettings panel_settings(const AssignedPoint& point);
session::Conditions conditions_of(const AssignedPoint& point);

// The assigned point a recorded point was taken at, if any: the same flows,
// and boxes that read as its numbers in the point's number format.
std::optional<std::size_t> assigned_point_taken(const PointSettings& settings,
                                                const Assignment& assignment,
                                                const NumberStyle& style);

// The answer key: for each group and point, the group, the point's number,
// then the notebook's columns, each cell as the window shows it, in the
// number format `style`; CSV as the notebook's, without a byte order mark.
std::string answer_key_csv(const std::vector<Assignment>& assignments, const NumberStyle& style);
// Its rows without the header line, for other forms of the key.
std::vector<std::vector<std::string>> answer_key_rows(const std::vector<Assignment>& assignments,
                                                      const NumberStyle& style);
std::vector<std::string> answer_key_headers();

// A group's name as a file name: what a file system cannot take replaced.
std::string file_name_of(std::string_view group);

}  // namespace gelvor
