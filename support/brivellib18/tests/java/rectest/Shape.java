package rectest;

/** A record with a field of every kind that record tables describe. */
public class Shape extends brivel.TavoRecord {
	public short s;
	public boolean flag;
	public Colour colour;
	public double d;
	public long big;
	public String name;
	public java.util.Date when;
	public brivel.TavoVariant any;
	public Point origin;
	public Point corner;
	private int[] codes = new int[3];
	public int[] getCodes() { return codes; }
	private String[] tags = new String[2];
	public String[] getTags() { return tags; }
	public brivel.TavoObject peer;
	public String id;

	public Shape() {
	}
}
