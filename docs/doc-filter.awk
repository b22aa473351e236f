# Doxygen input filter for the public headers. Their comments are plain "//" lines above
# what they describe, and one comment often describes a run of declarations that follow
# it without a blank line (ReadWord, ReadLong ...). This turns the comments into "///"
# documentation and wraps a comment with such a run into a member group, whose first
# member's documentation Doxygen then gives to every member (DISTRIBUTE_GROUP_DOC).
function flush() {
  grouped = run_count > 0 && statements > 1
  if (grouped) print "///@{"
  for (i = 1; i <= comment_count; ++i) print comment[i]
  for (i = 1; i <= run_count; ++i) print run[i]
  if (grouped) print "///@}"
  comment_count = run_count = statements = 0
}
/^[ \t]*\/\// {
  if (run_count > 0) flush()
  sub(/\/\//, "///")
  comment[++comment_count] = $0
  next
}
/^[ \t]*$/ || /^[ \t]*#/ || /^[ \t]*(namespace|}|public:|private:|protected:)/ {
  flush()
  print
  next
}
{
  if (comment_count == 0 && run_count == 0) { print; next }
  run[++run_count] = $0
  if ($0 ~ /;[ \t]*(\/\/.*)?$/ || $0 ~ /}[ \t]*$/) ++statements
}
END { flush() }
