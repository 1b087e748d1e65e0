package brivel;

/** Base of the generated record (structure) classes; their fields are public. */
public class TavoRecord {
    public TavoRecord() {
    }
}
