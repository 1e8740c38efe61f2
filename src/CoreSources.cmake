# The Qt-free core: number rules, drawing surface, optics, each module's scene and
# controller. The desktop build and the browser build (web/) both compile this list.
set(VARELO_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/core/NumRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/Surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/Scene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/Fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/Texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/Page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/Lesson.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/View.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/ObjectBundles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/MarkerSet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/MarkerTools.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/AngleGraph.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/Aids.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mirror/MirrorOptics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mirror/MirrorScene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mirror/MirrorController.cpp
  ${CMAKE_CURRENT_LIST_DIR}/refraction/RefractionOptics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/refraction/RayPathScene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/refraction/ImagingOptics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/refraction/ImagingScene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lens/LensOptics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lens/LensScene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lens/LensController.cpp
)
