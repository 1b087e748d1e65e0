package rectest;

/** A record class that lacks a field its table names. */
public class Broken extends brivel.TavoRecord {
	public String name;

	public Broken() {
	}
}
