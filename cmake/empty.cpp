// Placeholder translation unit for a library folder without units yet.
