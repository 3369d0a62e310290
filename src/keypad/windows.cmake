# The keypad's windows: Tmain with its key areas, the trail window and the DMS dialog.
# Included at the end of src/keypad/CMakeLists.txt.
if(ZOLT_WITH_GUI)
  add_library(keypad_windows STATIC
    ${CMAKE_CURRENT_LIST_DIR}/keyimage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/umain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/umain_actions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/umain_keys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/umain_skin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/umain_texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/udmsdeg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/utrail.cpp)
  target_include_directories(keypad_windows PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(keypad_windows PUBLIC keypad ui platform_qt Qt6::Widgets)
endif()
