package brivel.c2jmodelgone;

// Present when the awkward classes are compiled, absent when they are
// reflected.
public class Gone {
}
