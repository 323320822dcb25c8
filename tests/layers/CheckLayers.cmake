# Checks that includes point down the layers only: a file may include its own
# layer and the layers listed before it, never one listed after it.
#   cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake
# The platform backends come late in the list although they build on the
# windowing layer alone: only the program's entry points (app/, tools/) may
# pick a backend; the layers between them stay backend-free.
set(layers
  platform            # bitmaps, colours, image codecs
  resources
  platform/graphics
  platform/windowing
  platform/controls
  framework
  paint
  skin
  adapters
  controls
  puzzles
  platform/headless
  platform/sdl
  app
  tools)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake")
endif()

# The layer of a repository path: the longest layer name it starts with.
function(layer_of path out)
  set(best "")
  set(best_rank -1)
  set(rank 0)
  foreach(layer ${layers})
    string(LENGTH "${layer}/" len)
    string(SUBSTRING "${path}" 0 ${len} head)
    string(LENGTH "${best}" best_len)
    if(head STREQUAL "${layer}/" AND len GREATER best_len)
      set(best "${layer}")
      set(best_rank ${rank})
    endif()
    math(EXPR rank "${rank} + 1")
  endforeach()
  set(${out} ${best_rank} PARENT_SCOPE)
endfunction()

set(violations 0)
set(checked 0)
foreach(top platform resources framework paint skin adapters controls puzzles app tools)
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${top}/*.h ${SOURCE_DIR}/${top}/*.cpp)
  foreach(file ${files})
    layer_of("${file}" own)
    file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" target "${line}")
      layer_of("${target}" theirs)
      math(EXPR checked "${checked} + 1")
      if(theirs GREATER own)
        message(SEND_ERROR "${file} includes \"${target}\" from a higher layer")
        math(EXPR violations "${violations} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "no includes found under ${SOURCE_DIR}")
endif()
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} includes point up a layer")
endif()
message(STATUS "${checked} includes checked, all point down")
