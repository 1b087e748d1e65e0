package maptest;

/** A generated interface class of one of the test's bridges. */
public class Items extends brivel.TavoObject {
}
