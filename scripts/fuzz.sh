echo "(fuzzing pendiente)"
