// The control names of the field groups every milling and drilling page
// has, one table per naming scheme of the forms: the builders add the
// controls under these names and the readers read them by the same names.
#pragma once

namespace verlo {

// A field and the name of its caption label, where the form names one.
struct Field {
  const char* name;
  const char* label = nullptr;
  constexpr operator const char*() const { return name; }
};

struct StartFields {
  Field x, y, z, safe;  // safe: the offset above z
};
struct MaxStepFields {
  const char* none;  // the "nincs" box
  Field edit;
};
struct ToolFields {
  const char* none;  // the "nincs" box: no tool block
  Field tool, speed;
};
struct FeedFields {
  Field g1, arc;
};
// Names of the option controls; a null name is an option the page lacks.
struct OptionFields {
  const char *comments, *coolant, *ccw, *m4, *ramp, *series;
};

struct FieldNames {
  StartFields start;
  Field depth, toolDiameter;
  MaxStepFields maxStep;
  ToolFields tool;
  FeedFields feeds;
  OptionFields options;
};

// The pages whose controls carry an abbreviation ("Edit_x_", "Edit_szc_").
inline constexpr FieldNames kNamedFields{
    {{"Edit_x_"}, {"Edit_y_"}, {"Edit_z_"}, {"Edit_zsb_"}},
    {"Edit_m_"},
    {"Edit_sz_"},
    {"CheckBox_szc_", {"Edit_szc_", "Label11"}},
    {"CheckBox_szsz_", {"Edit_szsz_", "Label15"}, {"Edit_ff_", "Label16"}},
    {{"Edit_g1_", "Label7"}, {"Edit_g23_", "Label8"}},
    {"CheckBox_msg_", "RadioGroup_h_", "RadioGroup_cw_", "RadioGroup_m34_", "RadioGroup_zi_",
     "RadioGroup_s_"}};

// The numbered controls of the Fibonacci spiral and the circular pocket.
inline constexpr FieldNames kNumberedFields{
    {{"Edit1", "Label2"}, {"Edit2", "Label3"}, {"Edit11", "Label13"}, {"Edit12", "Label14"}},
    {"Edit7", "Label9"},
    {"Edit3", "Label6"},
    {"CheckBox2", {"Edit9", "Label11"}},
    {"CheckBox1", {"Edit13", "Label15"}, {"Edit14", "Label16"}},
    {{"Edit5", "Label7"}, {"Edit6", "Label8"}},
    {"CheckBox5", "RadioGroup2", "RadioGroup3", "RadioGroup4", "RadioGroup5", "RadioGroup6"}};

}  // namespace verlo
