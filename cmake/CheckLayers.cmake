# Refuses an include that runs up the layers: each folder may include its own headers
# and those of the folders listed for it, nothing above. Run by the build (target
# layer_check) as: cmake -DROOT=<source dir> -P cmake/CheckLayers.cmake
# A folder's tests may also include the shared test helpers.

set(allowed_base base)
set(allowed_dict base dict)
set(allowed_engine base dict engine)
set(allowed_particles base dict particles)
set(allowed_candidates base dict engine candidates)
set(allowed_res base res)
set(allowed_app base dict engine particles candidates res app)
set(allowed_app/qt ${allowed_app} app/qt)
set(allowed_tools/dexc base dict tools/dexc)
set(allowed_tools/script ${allowed_app} tools/script)
set(allowed_tools/lint ${allowed_app} tools/lint)
# Tests that compare the compiler's own view with the real list builder reach across.
set(allowed_tests_tools/dexc base dict engine candidates tools/dexc)
set(allowed_tests_tools/lint ${allowed_app} tools/lint tools/dexc)

set(failures "")
foreach(folder base dict engine particles candidates res app app/qt tools/dexc tools/script tools/lint)
  file(GLOB files ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(file ${files})
    set(allowed ${allowed_${folder}})
    if(file MATCHES "_test\\.cpp$" OR file MATCHES "TestSupport\\.(h|cpp)$" OR file MATCHES "TestMain\\.cpp$")
      if(DEFINED allowed_tests_${folder})
        set(allowed ${allowed_tests_${folder}})
      endif()
      list(APPEND allowed tests/support)
    endif()
    file(STRINGS ${file} includes REGEX "^#include \"")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"(.*)/[^/]*\".*$" "\\1" included "${line}")
      if(included STREQUAL line)
        continue()  # a header of the same folder, included by its bare name
      endif()
      list(FIND allowed "${included}" at)
      if(at EQUAL -1)
        file(RELATIVE_PATH shown ${ROOT} ${file})
        string(APPEND failures "  ${shown}: ${line} (${folder} may include: ${allowed})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  message(FATAL_ERROR "Includes that run up the layers:\n${failures}")
endif()
