# Conversion quality on sample photos against ImageMagick, and the conversion's speed on a
# 4000 x 3000 source. The photos come from Debian's python3-skimage and the reference from
# imagemagick: `bash scripts/dependances.sh --bench` installs both.
list(APPEND corvanel_bench_sources ${CMAKE_CURRENT_SOURCE_DIR}/bench_photos.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/bench_conversion.cpp)
