package maptest;

/** A generated interface class of one of the test's bridges. */
public class First extends brivel.TavoObject {
}
