# Sources are gathered by folder so that adding a file never means editing a
# shared list. The layer of a folder decides what its code may link against.

# Folders of the model layer: standard library and POSIX only.
set(KORVEL_MODEL_DIRS
  foundation store resources ports formats g2driver/model legacy
  registers registers/sources sabus sourceedit scl screens/model batch)

# Folders of the window layer: model, platform and Qt.
set(KORVEL_UI_DIRS
  shell g2driver/editor screens/editor
  ports/ui formats/ui legacy/ui registers/ui registers/sources/ui sabus/ui
  sourceedit/ui scl/ui batch/ui)

function(korvel_sources out root)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS "${root}/${dir}/*.cpp")
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Headers nearly every file of a layer includes; precompiled once per target.
set(KORVEL_PCH_STD <algorithm> <cstdint> <cstring> <functional> <memory> <string> <string_view> <utility> <vector>)
set(KORVEL_PCH_QT <QtWidgets/QtWidgets>)

function(korvel_precompile target)
  if(KORVEL_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

function(korvel_reuse_precompiled target from)
  if(KORVEL_PCH)
    target_precompile_headers(${target} REUSE_FROM ${from})
  endif()
endfunction()
