#include "wizards/common/milling_frame.h"

namespace verlo {

Frame MillingFrame(const FieldReader& read, const ToolFields& tool, const MillingOptions& o) {
  Frame f;
  f.comments = o.comments != 0;
  f.series = o.series != 0;
  f.coolant = o.coolant;
  f.toolBlock = !read.Checked(tool.none);
  f.tool = read.Text(tool.tool);
  f.speed = read.Text(tool.speed);
  f.m4 = o.m4 != 0;
  return f;
}

CommentHead PointHead(const FieldReader& read, const StartFields& start, const std::string& title,
                      const std::string& pointWord) {
  return {title, pointWord, read.Text(start.x), read.Text(start.y), read.Text(start.z)};
}

void WriteDepthAndPasses(Listing& listing, const FieldReader& read, const FieldNames& names,
                         const MillingValues& v) {
  WriteDepthComment(listing, read.Text(names.depth));
  WritePassComments(
      listing, {v.passes.count, v.passes.dp, v.step != v.depth, read.Text(names.maxStep.edit)});
}

}  // namespace verlo
